#pragma once

#include <QPrinter>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <functional>

// Prints through `print` into a PDF file and returns its text as pdftotext
// (poppler-utils) reads it, laid out; empty if printing failed.
inline QString printedText(const std::function<bool(QPrinter &, QString *)> &print)
{
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
    QString error;
    if (!print(printer, &error)) {
        return {};
    }
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), printer.outputFileName(), QStringLiteral("-")});
    if (!text.waitForFinished(20000)) {
        return {};
    }
    return QString::fromUtf8(text.readAllStandardOutput());
}
