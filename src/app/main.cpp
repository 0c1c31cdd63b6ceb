#include "app/Application.h"
#include "waves/TonePlayer.h"

int main(int argc, char *argv[])
{
    const int code = runCorvane(argc, argv);
    TonePlayer::exitIfOutputStuck(code);
    return code;
}
