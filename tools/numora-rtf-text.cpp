// numora-rtf-text FILE: prints the plain text of an RTF document as Numora reads it.
#include "help/rtf/rtfreader.h"

#include <QCoreApplication>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 || args.at(1) == QLatin1String("--help") || args.at(1) == QLatin1String("-h")) {
        std::fprintf(stderr,
                     "Usage: numora-rtf-text FILE\n"
                     "Prints the text of the RTF document FILE as Numora shows it; a picture\n"
                     "prints as [picture], a table's cells are separated by tabs and its rows by\n"
                     "new lines. Exits 1 with the reason when the file cannot be read.\n");
        return args.size() == 2 ? 0 : 2;
    }
    QTextDocument doc;
    const numora::rtf::ReadResult result = numora::rtf::readFile(args.at(1), doc);
    if (!result.ok) {
        std::fprintf(stderr, "numora-rtf-text: %s\n", qUtf8Printable(result.error));
        return 1;
    }
    QString text = numora::rtf::documentText(doc);
    text.replace(QChar::ObjectReplacementCharacter, QLatin1String("[picture]"));
    text.replace(QChar::LineSeparator, u'\n');
    text.replace(QChar::Nbsp, u' ');
    const QByteArray out = text.toUtf8();
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    if (!text.isEmpty() && !text.endsWith(u'\n'))
        std::fputc('\n', stdout);
    if (result.damaged)
        std::fprintf(stderr, "numora-rtf-text: warning: %s\n", qUtf8Printable(result.error));
    return 0;
}
