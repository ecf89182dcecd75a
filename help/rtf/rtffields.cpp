#include "rtffields.h"

#include <QStringList>

namespace numora::rtf {

QString hyperlinkTarget(const QString &instruction)
{
    const QString inst = instruction.trimmed();
    if (!inst.startsWith(QLatin1String("HYPERLINK"), Qt::CaseInsensitive))
        return {};
    QStringList args;
    qsizetype i = 9;
    while (i < inst.size()) {
        while (i < inst.size() && inst.at(i).isSpace())
            ++i;
        if (i >= inst.size())
            break;
        QString arg;
        if (inst.at(i) == u'"') {
            const qsizetype end = inst.indexOf(u'"', i + 1);
            arg = inst.mid(i + 1, end < 0 ? -1 : end - i - 1);
            i = end < 0 ? inst.size() : end + 1;
        } else {
            const qsizetype begin = i;
            while (i < inst.size() && !inst.at(i).isSpace())
                ++i;
            arg = inst.mid(begin, i - begin);
        }
        args.append(arg);
    }
    QString url;
    QString location;
    for (qsizetype k = 0; k < args.size(); ++k) {
        const QString &arg = args.at(k);
        if (arg.size() == 2 && arg.at(0) == u'\\') {
            const QChar sw = arg.at(1).toLower();
            if ((sw == u'l' || sw == u'o' || sw == u't') && k + 1 < args.size()) {
                if (sw == u'l')
                    location = args.at(k + 1);
                ++k;
            }
        } else if (url.isEmpty()) {
            url = arg;
        }
    }
    if (!location.isEmpty())
        url += u'#' + location;
    return url;
}

} // namespace numora::rtf
