// The help page: F1 finds it next to the executable in the build folder, and it covers the
// program as it is (its sections, keys, currencies and rates, messages).

#include "ui/kit/euro.h"
#include "ui/main/frmeuro.h"
#include "ui/main/windowactions.h"
#include "engine/currencies.h"
#include "support/processes.h"
#include "support/testsupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QtTest>

using TestSupport::binaryDir;
using TestSupport::readAll;

namespace {

QString section(const QString &page, const QString &anchor)
{
    const qsizetype start = page.indexOf(QStringLiteral("id=\"%1\"").arg(anchor));
    if (start < 0)
        return {};
    const qsizetype end = page.indexOf(QStringLiteral("<h2"), start);
    return page.mid(start, end < 0 ? -1 : end - start);
}

// A key as the pages write it, by its parts: "Ctrl", "Maj", "Inser", "F1", "+".
QStringList keyParts(const QKeySequence &sequence)
{
    const QKeyCombination key = sequence[0];
    QStringList parts;
    if (key.keyboardModifiers() & Qt::ControlModifier)
        parts << QStringLiteral("Ctrl");
    if (key.keyboardModifiers() & Qt::ShiftModifier)
        parts << QStringLiteral("Maj");
    if (key.keyboardModifiers() & Qt::AltModifier)
        parts << QStringLiteral("Alt");
    const QString name = QKeySequence(key.key()).toString(QKeySequence::PortableText);
    parts << (name == u"Ins" ? QStringLiteral("Inser") : name);
    return parts;
}

// The help page: "<kbd>Ctrl</kbd>+<kbd>C</kbd>".
QString helpKey(const QStringList &parts)
{
    QStringList kbd;
    for (const QString &part : parts)
        kbd << QStringLiteral("<kbd>%1</kbd>").arg(part);
    return kbd.join(u'+');
}

// The manual page, in roff: "Ctrl+C", "Ctrl+\-".
QString manKey(QStringList parts)
{
    parts.last().replace(u'-', QStringLiteral("\\-"));
    return parts.join(u'+');
}

// The shortcuts a page lists: in the help page, the keys of its tables' first cells; in
// the manual page, the words of its bold tags.
QStringList listedKeys(const QString &page, bool manual)
{
    static const QRegularExpression cell(QStringLiteral("<tr><td>(.*?)</td>"));
    static const QRegularExpression helpShortcut(
        QStringLiteral("(?:<kbd>(?:Ctrl|Maj|Alt)</kbd>\\+)+<kbd>[^<]+</kbd>|<kbd>F\\d+</kbd>"));
    static const QRegularExpression manShortcut(QStringLiteral("^(?:(?:Ctrl|Maj|Alt)\\+.+|F\\d+)$"));
    QStringList keys;
    if (manual) {
        for (const QString &line : page.split(u'\n')) {
            if (line.startsWith(QLatin1String(".B ")) || line.startsWith(QLatin1String(".BR "))) {
                for (const QString &word : line.split(u' ', Qt::SkipEmptyParts)) {
                    if (manShortcut.match(word).hasMatch())
                        keys << word;
                }
            }
        }
    } else {
        for (auto row = cell.globalMatch(page); row.hasNext();) {
            const QString first = row.next().captured(1);
            for (auto key = helpShortcut.globalMatch(first); key.hasNext();)
                keys << key.next().captured(0);
        }
    }
    return keys;
}

} // namespace

class TestHelpPage : public QObject
{
    Q_OBJECT

    TestSupport::ThrowAwaySettings settings;
    QString page;

private Q_SLOTS:
    void initTestCase()
    {
        const QByteArray bytes = readAll(QStringLiteral(PECUNIO_SOURCE_DIR "/data/aide.htm"));
        QVERIFY(!bytes.isEmpty());
        QStringDecoder utf8(QStringDecoder::Utf8);
        page = utf8(bytes);
        QVERIFY2(!utf8.hasError(), "aide.htm is UTF-8, as its meta tag says");
    }

    void nextToTheExecutable()
    {
        QVERIFY2(!binaryDir().isEmpty(), "run through CTest");
        const QString exe = binaryDir() + QStringLiteral("/Pecunio");
        QVERIFY(QFile::exists(exe));
        // The very lookup of the help key: the program's folder plus the bare file name.
        const QString help = Euro::AppFolderOf(exe) + QStringLiteral("aide.htm");
        QVERIFY(Euro::FileExists(help));
        QCOMPARE(readAll(help), readAll(QStringLiteral(PECUNIO_SOURCE_DIR "/data/aide.htm")));
    }

    void sections_data()
    {
        QTest::addColumn<QString>("anchor");
        QTest::addColumn<QStringList>("mentions");
        QTest::newRow("keying amounts") << "saisie" << QStringList{"CE", "Retour arrière", "Suppr", "virgule"};
        QTest::newRow("the two displays") << "afficheurs" << QStringList{"euros", "&lt;", "afficheur de saisie"};
        QTest::newRow("operators") << "operations"
                                   << QStringList{"<b>+</b>", "<b>X</b>", "<b>/</b>", "<b>=</b>", "Division par zéro."};
        QTest::newRow("the tape") << "bande" << QStringList{"Effacer", "Imprimer", "PDF", "O&nbsp;P&nbsp;E"};
        QTest::newRow("rates and rounding")
            << "taux" << QStringList{"Taux", "2 décimales", "5 décimales", "8 caractères"};
        QTest::newRow("keyboard map") << "clavier" << QStringList{"<kbd>F1</kbd>",
                                                                  "<kbd>F2</kbd>",
                                                                  "<kbd>Entrée</kbd>",
                                                                  "<kbd>Suppr</kbd>",
                                                                  "<kbd>Retour arrière</kbd>",
                                                                  "<kbd>*</kbd>"};
        // The paste rule as the reading applies it: a dot before exactly three digits is refused.
        QTest::newRow("copy and paste") << "copier" << QStringList{"<kbd>C</kbd>",
                                                                   "<kbd>V</kbd>",
                                                                   "virgule est le séparateur décimal",
                                                                   "exactement trois chiffres",
                                                                   "ambigu",
                                                                   "<b>2.500</b>"};
        QTest::newRow("panels") << "panneaux" << QStringList{"paramètres", "Opérations", "premier plan"};
        QTest::newRow("purchasing power") << "pouvoir" << QStringList{"<kbd>F3</kbd>", "Source&nbsp;: Insee", "1901"};
        QTest::newRow("about window") << "apropos" << QStringList{"Infos système...", "<kbd>Échap</kbd>"};
    }
    void sections()
    {
        QFETCH(QString, anchor);
        QFETCH(QStringList, mentions);
        const QString part = section(page, anchor);
        QVERIFY2(!part.isEmpty(), qPrintable(anchor));
        QVERIFY2(page.contains(QStringLiteral("href=\"#%1\"").arg(anchor)), "listed in the contents");
        for (const QString &m : mentions)
            QVERIFY2(part.contains(m, Qt::CaseInsensitive), qPrintable(anchor + QStringLiteral(": ") + m));
    }

    void ratesAsTheProgramHasThem_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("rate");
        for (const Euro::Currency &c : Euro::CurrencyTable)
            QTest::newRow(qPrintable(c.code.toString()))
                << c.code.toString() << c.listText.mid(6).toString() << c.defaultRate.toString();
    }
    void ratesAsTheProgramHasThem()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QString, rate);
        const QString row = QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>").arg(code, name, rate);
        QVERIFY2(section(page, QStringLiteral("taux")).contains(row), qPrintable(row));
    }

    void linksLeadSomewhere()
    {
        static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
        int links = 0;
        for (auto it = link.globalMatch(page); it.hasNext(); ++links) {
            const QString anchor = it.next().captured(1);
            QVERIFY2(page.contains(QStringLiteral("id=\"%1\"").arg(anchor)), qPrintable(anchor));
        }
        QVERIFY(links >= 8);
    }

    // Both pages list the window's shortcuts as its actions have them, no more, no fewer.
    void shortcutsAsTheActionsHaveThem_data()
    {
        QTest::addColumn<bool>("manual");
        QTest::newRow("help page") << false;
        QTest::newRow("manual page") << true;
    }
    void shortcutsAsTheActionsHaveThem()
    {
        QFETCH(bool, manual);
        QString text = page;
        if (manual) {
            const QByteArray bytes = readAll(QStringLiteral(PECUNIO_SOURCE_DIR "/data/pecunio.1.in"));
            QVERIFY(!bytes.isEmpty());
            text = QString::fromUtf8(bytes);
        }
        QStringList listed = listedKeys(text, manual);
        const FrmEuro window;
        int keys = 0;
        for (const WindowActions::Entry &entry : window.windowActions().entries()) {
            if (!(entry.places & WindowActions::Window))
                continue;
            for (const QKeySequence &sequence : entry.keys) {
                const QStringList parts = keyParts(sequence);
                const QString key = manual ? manKey(parts) : helpKey(parts);
                QVERIFY2(listed.removeAll(key) > 0, qPrintable(entry.text + QStringLiteral(": ") + key));
                ++keys;
            }
        }
        QCOMPARE(keys, 12);
        // Left: the keys a control has of its own, selecting a display's whole amount.
        QCOMPARE(listed, manual ? QStringList{"Ctrl+A"} : QStringList());
    }

    void tagsBalanced_data()
    {
        QTest::addColumn<QString>("tag");
        for (const char *tag : {"html", "head", "body", "h1",  "h2", "p",  "ul",  "li", "table", "tr",
                                "th",   "td",   "div",  "nav", "b",  "em", "kbd", "a",  "style", "title"})
            QTest::newRow(tag) << QString::fromLatin1(tag);
    }
    void tagsBalanced()
    {
        QFETCH(QString, tag);
        const QRegularExpression open(QStringLiteral("<%1[\\s>]").arg(tag));
        const QRegularExpression close(QStringLiteral("</%1>").arg(tag));
        QCOMPARE(page.count(open), page.count(close));
    }
};

QTEST_MAIN(TestHelpPage)
#include "tst_helppage.moc"
