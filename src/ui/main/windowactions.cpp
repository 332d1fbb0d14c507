#include "ui/main/windowactions.h"

#include "ui/about/frmabout.h"
#include "ui/kit/euro.h"
#include "ui/kit/zoom.h"
#include "ui/main/frmeuro.h"
#include "ui/main/parameterspanel.h"
#include "ui/main/tapepanel.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcutEvent>

namespace {

// A shortcut of the window. One key stroke may match two of its sequences (Ctrl and "+" is
// also Ctrl, Shift and "=" on many layouts): where a plain QAction would only warn, it
// still runs, once.
class ShortcutAction : public QAction
{
public:
    using QAction::QAction;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::Shortcut && static_cast<QShortcutEvent *>(event)->isAmbiguous()) {
            if (isEnabled())
                trigger();
            return true;
        }
        return QAction::event(event);
    }
};

// A fresh About window each time, modal: the calculator waits until it closes.
void showAbout(QWidget *owner)
{
    FrmAbout about(owner);
    about.exec();
}

QList<QKeySequence> keys(std::initializer_list<QKeyCombination> combinations)
{
    QList<QKeySequence> sequences;
    for (const QKeyCombination &combination : combinations)
        sequences.append(QKeySequence(combination));
    return sequences;
}

} // namespace

WindowActions::WindowActions(FrmEuro &window)
    : QObject(&window)
{
    using enum MenuKey;
    FrmEuro *w = &window;
    const auto ctrl = Qt::CTRL;
    const auto shifted = Qt::CTRL | Qt::SHIFT;
    const auto notNormalSize = [](int) { return Euro::zoomPercent() != 100; };
    m_entries = {
        // Help and About, whatever has the focus, the parameters panel's controls included.
        // Like any key, they bring the focus back to the display keyed into.
        {QStringLiteral("Aide"),
         keys({Qt::Key_F1}),
         {},
         Window,
         None,
         0,
         [w](int) {
             w->focusInputDisplay();
             Euro::ShowHelpFile(w, QStringLiteral("aide.htm"));
         },
         {}},
        {QStringLiteral("À propos de Pecunio"),
         keys({Qt::Key_F2}),
         {},
         Window,
         None,
         0,
         [w](int) {
             w->focusInputDisplay();
             showAbout(w);
         },
         {}},
        // The purchasing power, shown or hidden.
        {QStringLiteral("Pouvoir d'achat"),
         keys({Qt::Key_F3}),
         {},
         Window,
         None,
         0,
         [w](int) { w->lblFermer_Click(4); },
         {}},
        // Amounts in and out; the rate box and the tape copy their own text, and take these
        // keys before the window does. A display's menu copies that display's amount.
        {QStringLiteral("Copier"),
         keys({ctrl | Qt::Key_C, ctrl | Qt::Key_Insert}),
         {},
         Window | Displays,
         None,
         0,
         [w](int display) {
             if (display < 0)
                 w->copyFocusedAmount();
             else
                 w->copyAmount(display);
         },
         [w](int display) { return !w->amountToCopy(display).isEmpty(); }},
        {QStringLiteral("Coller"),
         keys({ctrl | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert}),
         {},
         Window | Displays,
         None,
         0,
         [w](int) { w->pasteFromClipboard(); },
         [w](int) { return w->ui.fraParametres->isHidden(); }},
        {QStringLiteral("Copier les deux montants"),
         {},
         {},
         Displays,
         None,
         0,
         [w](int) { QGuiApplication::clipboard()->setText(w->bothAmounts()); },
         [w](int) { return !w->m_calculator.ReadOut(0).isEmpty() && !w->m_calculator.ReadOut(1).isEmpty(); }},
        // The zoom: where "+" needs Shift, Ctrl and "=" enlarge too; a French layout's "0"
        // key types "à" without Shift. A keypad key matches as its typing block twin.
        {QStringLiteral("Agrandir"), keys({ctrl | Qt::Key_Plus, ctrl | Qt::Key_Equal}),
         keys({shifted | Qt::Key_Plus, shifted | Qt::Key_Equal}), Window | Displays, Shown, 1,
         [w](int) { w->zoomBy(1); },
         [w](int) {
             const int percent = Euro::zoomPercent();
             const int larger = Euro::zoomStep(percent, 1);
             return larger != percent && w->zoomFits(larger);
         }},
        {QStringLiteral("Réduire"), keys({ctrl | Qt::Key_Minus}), keys({shifted | Qt::Key_Minus}), Window | Displays,
         Shown, 1, [w](int) { w->zoomBy(-1); }, notNormalSize},
        {QStringLiteral("Taille normale"), keys({ctrl | Qt::Key_0}),
         keys({shifted | Qt::Key_0, ctrl | Qt::Key_Agrave, shifted | Qt::Key_Agrave}), Window | Displays, Shown, 1,
         [w](int) { w->zoomBy(0); }, notNormalSize},
        // The tape as the box shows it, and saved as a file, Ctrl+S anywhere in the window.
        {QStringLiteral("Copier toute la bande"),
         {},
         {},
         Tape,
         None,
         2,
         [w](int) { QGuiApplication::clipboard()->setText(w->ui.fraPapier->ui().txtOperations->toPlainText()); },
         {}},
        {QStringLiteral("Enregistrer la bande…"),
         keys({ctrl | Qt::Key_S}),
         {},
         Window | Tape,
         AsDesktop,
         2,
         [w](int) { w->saveTapeToFile(); },
         {}},
    };

    // The window's own: a shortcut works wherever the focus is in the window, before the
    // focused control sees the key, and never reaches the calculator as a key. Like any key
    // that is not the drop list's own, it closes the list first.
    for (const Entry &entry : m_entries) {
        if (!(entry.places & Window))
            continue;
        auto *action = new ShortcutAction(entry.text, &window);
        action->setShortcuts(entry.keys + entry.otherLayouts);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [w, run = entry.run] {
            w->closeDropList();
            run(-1);
        });
        window.addAction(action);
    }
}

void WindowActions::fill(QMenu &menu, Place place, int display) const
{
    const Entry *previous = nullptr;
    for (const Entry &entry : m_entries) {
        if (!(entry.places & place))
            continue;
        if ((!previous || previous->group != entry.group) && !menu.actions().isEmpty())
            menu.addSeparator();
        previous = &entry;
        QAction *action = menu.addAction(entry.text, &menu, [run = entry.run, display] { run(display); });
        if (entry.menuKey != MenuKey::None && !entry.keys.isEmpty())
            action->setShortcut(entry.keys.first());
        if (entry.menuKey == MenuKey::Shown)
            action->setShortcutVisibleInContextMenu(true);
        if (entry.enabled)
            action->setEnabled(entry.enabled(display));
    }
}
