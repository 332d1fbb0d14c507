#pragma once
// The calculator window's actions, each from one entry: its French text, its keys and
// where it appears (the window itself, whatever has the focus; the displays' right-click
// menu; the tape box's). The window's shortcuts and the context menus are built from the
// entries, and the help page and the manual page list the same keys.

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class FrmEuro;
class QAction;
class QMenu;

class WindowActions : public QObject
{
public:
    enum Place : unsigned {
        Window = 1,   // a shortcut of the window, wherever the focus is in it
        Displays = 2, // the displays' right-click menu
        Tape = 4,     // the tape box's right-click menu, after the box's own entries
    };
    // How a menu entry shows its first key.
    enum class MenuKey { None, AsDesktop, Shown };

    struct Entry {
        QString text;
        // The keys as the help page and the manual page give them; a menu shows the first.
        QList<QKeySequence> keys;
        // The same key strokes as other keyboard layouts send them ("+" with Shift, "à" for
        // "0"): they work too, and the pages do not list them.
        QList<QKeySequence> otherLayouts;
        unsigned places = 0;
        MenuKey menuKey = MenuKey::None;
        // Entries of another group than the one before them start after a separator.
        int group = 0;
        // display: the display whose menu runs the entry, else -1.
        std::function<void(int display)> run;
        // Whether a menu offers the entry enabled; none: always.
        std::function<bool(int display)> enabled;
    };

    explicit WindowActions(FrmEuro &window);

    const std::vector<Entry> &entries() const { return m_entries; }
    // The entries of place added to menu, for the display the menu is on (or -1).
    void fill(QMenu &menu, Place place, int display) const;

private:
    std::vector<Entry> m_entries;
};
