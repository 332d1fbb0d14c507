#include "ui/kit/fonts.h"

#include <QFontDatabase>

namespace Euro {

QString wineFontFolder() { return QStringLiteral("/usr/share/wine/fonts"); }

QStringList registerFonts(const QString &folder, const QStringList &families)
{
    struct FontFile {
        const char *family;
        const char *file;
        bool bold;
    };
    static constexpr FontFile files[] = {
        {"Tahoma", "tahoma.ttf", false},
        {"Tahoma", "tahomabd.ttf", true},
        {"MS Sans Serif", "ms_sans_serif.ttf", false},
    };

    QStringList added;
    for (const FontFile &f : files) {
        const QString family = QString::fromLatin1(f.family);
        if (!families.isEmpty() && !families.contains(family))
            continue;
        const bool known = QFontDatabase::families().contains(family)
                           && (!f.bold || QFontDatabase::styles(family).contains(QStringLiteral("Bold")));
        if (known)
            continue;
        const int id = QFontDatabase::addApplicationFont(folder + QLatin1Char('/') + QLatin1String(f.file));
        if (id >= 0)
            added += QFontDatabase::applicationFontFamilies(id);
    }
    added.removeDuplicates();
    return added;
}

} // namespace Euro
