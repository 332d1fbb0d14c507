#pragma once
// The operations tape: a running record of the calculations, like a desk calculator's
// paper roll. Lines end with CR LF. Blocks are appended at the end; appending costs the
// same however long the tape already is. The window mirrors the text through the
// signals, appending what is appended, never copying the whole tape per block.

#include <QObject>
#include <QString>

class Tape : public QObject
{
    Q_OBJECT
public:
    explicit Tape(QObject *parent = nullptr);

    QString text() const;
    qsizetype length() const;

    // The blocks (modeLine is "Calcul en Euros" or "Calcul en " and a code).
    void startHeader(const QString &modeLine);      // window start, on an emptied tape
    void clearTape(const QString &modeLine);        // cmdEffacer_Click: the cleared tape
    void appendClearBlock(const QString &modeLine); // clear all
    void appendOperandLine(const QString &displayText);
    void appendOperatorLine(const QString &caption);
    // A remark, when given, follows the result in brackets on the same line.
    void appendTotalBlock(const QString &displayText, const QString &remark = QString());
    // A line of its own, apart from the calculations: what an old amount is worth today.
    void appendRemark(const QString &line);
    // The total block of an operation that was refused: the reason ("Division par zéro")
    // stands where the result would.
    void appendRefusedTotal(const QString &reason);

    // "dd/mm/yyyy - hh:mm" of the program's clock (Euro::Now()).
    static QString dateTimeLine();
    // The display text without a final ",": "12," gives "12", "," gives "".
    static QString displayAmount(QStringView displayText);
    // A line of a heading block: the date and time, the rule under it, the rule between
    // two calculations, or a mode line.
    static bool isHeadingLine(QStringView line);
    // A mode line: "Calcul en Euros", or "Calcul en " and a currency's code.
    static QString modeLine(bool inEuros, QStringView code);
    static bool isModeLine(QStringView line);
    // The rule above a total: 8 spaces and 10 hyphens.
    static bool isTotalRule(QStringView line);

Q_SIGNALS:
    void cleared();                      // the text was emptied
    void appended(const QString &piece); // piece was appended at the end

private:
    void empty();
    void append(const QString &piece);
    QString m_text;
};
