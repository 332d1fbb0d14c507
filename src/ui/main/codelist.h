#pragma once
// The currency drop list, lstListe: the codes under lblDevise, shown over the calculator
// panel by the "<" box. It behaves as a drop-down list does: the arrows move the highlight
// without picking, letters typed in quick succession find a code, Enter or Space picks the
// highlighted code as a click does, Escape closes it. Any other key closes it without a
// pick and goes on to the window, as does the focus leaving it. Presses elsewhere in the
// window close it too (see PointerWatch).

#include <QElapsedTimer>
#include <QListWidget>

class CodeList : public QListWidget
{
    Q_OBJECT
public:
    explicit CodeList(QWidget *parent);

    // Highlights the next code that the letter (with those typed just before) starts.
    void search(const QString &letter);

Q_SIGNALS:
    // Enter or Space: the highlighted code is picked, as a click picks it.
    void picked();
    // The list closes without a pick: Escape (escaped), another key, the focus leaving it.
    void dismissed(bool escaped);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString m_typed;         // the letters typed in quick succession
    QElapsedTimer m_lastKey; // since the last of them
};
