#include "shell/About.h"

#include "shell/FormFont.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

TAboutFrm::TAboutFrm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutFrm"));
    setWindowTitle(tr("About"));
    setFixedSize(279, 200);
    setFormFont(this);

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(8, 8, 263, 148);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(pal);
    panel->setAutoFillBackground(true);

    auto *picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(QPixmap(QStringLiteral(":/images/about.png")));
    picture->setGeometry(10, 10, 64, 64);

    auto *title = new QLabel(tr("Corvane"), panel);
    title->setObjectName(QStringLiteral("ProductName"));
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(27);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setGeometry(84, 14, 170, 32);

    auto *version = new QLabel(tr("version 1.1"), panel);
    version->setObjectName(QStringLiteral("Version"));
    QFont bold = font();
    bold.setBold(true);
    version->setFont(bold);
    version->setGeometry(86, 50, 170, 16);

    auto *notice = new QLabel(tr("Waves and oscillations, simulated for upper-secondary physics: "
                                 "sixteen topics with explanatory pages."),
                              panel);
    notice->setObjectName(QStringLiteral("Comments"));
    notice->setWordWrap(true);
    notice->setGeometry(10, 84, 243, 56);

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    ok->setGeometry(102, 164, 75, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
