#include "engine/keytable.h"

#include "engine/operators.h"

#include <algorithm>

namespace Euro {

namespace {

constexpr const char16_t *DigitHint = u"Chiffre 0"; // the design's hint on every digit

constexpr KeyAction digit(qint16 d) { return {KeyCommand::Digit, d}; }
constexpr KeyAction op(Operator o) { return {KeyCommand::Operator, qint16(o)}; }

// Digits, then the other keys of the digit block, the keys beside it, and keyboard keys.
// One key, one row: clang-format leaves the table as it is.
// clang-format off
constexpr KeyRow Rows[] = {
    {digit(7), u"lblBouton(7)", u"7", DigitHint, u"Chiffre 7", true, {90, 270, 270, 255}, {90, 225, 285, 285}, {VkNumpad0 + 7}, u"7"},
    {digit(8), u"lblBouton(8)", u"8", DigitHint, u"Chiffre 8", true, {495, 270, 270, 255}, {495, 225, 285, 285}, {VkNumpad0 + 8}, u"8"},
    {digit(9), u"lblBouton(9)", u"9", DigitHint, u"Chiffre 9", true, {900, 270, 270, 255}, {900, 225, 285, 285}, {VkNumpad0 + 9}, u"9"},
    {digit(4), u"lblBouton(4)", u"4", DigitHint, u"Chiffre 4", true, {90, 675, 270, 255}, {90, 630, 285, 330}, {VkNumpad0 + 4}, u"4"},
    {digit(5), u"lblBouton(5)", u"5", DigitHint, u"Chiffre 5", true, {480, 675, 270, 255}, {495, 630, 285, 285}, {VkNumpad0 + 5}, u"5"},
    {digit(6), u"lblBouton(6)", u"6", DigitHint, u"Chiffre 6", true, {900, 675, 270, 255}, {900, 630, 285, 285}, {VkNumpad0 + 6}, u"6"},
    {digit(1), u"lblBouton(1)", u"1", DigitHint, u"Chiffre 1", true, {90, 1125, 270, 255}, {90, 1080, 285, 285}, {VkNumpad0 + 1}, u"1"},
    {digit(2), u"lblBouton(2)", u"2", DigitHint, u"Chiffre 2", true, {495, 1125, 270, 255}, {495, 1080, 285, 285}, {VkNumpad0 + 2}, u"2"},
    {digit(3), u"lblBouton(3)", u"3", DigitHint, u"Chiffre 3", true, {900, 1125, 270, 255}, {900, 1080, 285, 285}, {VkNumpad0 + 3}, u"3"},
    {digit(0), u"lblBouton(0)", u"0", DigitHint, u"Chiffre 0", true, {90, 1530, 270, 255}, {90, 1485, 285, 285}, {VkNumpad0}, u"0"},
    {{KeyCommand::Decimal}, u"Decimal", u",", u"Séparateur décimal", u"", true, {495, 1485, 270, 255}, {495, 1485, 285, 285}, {VkDecimal}, u",."},
    {{KeyCommand::ClearAll}, u"Cancel", u"C", u"Effacer tout", u"", false, {1665, 1350, 270, 255}, {1665, 1305, 285, 285}, {VkDelete}},
    {{KeyCommand::ClearEntry}, u"CancelEntry", u"CE", u"Effacer la dernière entrée", u"", false, {2070, 1350, 270, 270}, {2070, 1305, 285, 285}},
    {op(Operator::Multiply), u"Operator(2)", u"X", u"Multiplier", u"", false, {1680, 1725, 270, 255}, {1665, 1710, 285, 285}, {VkMultiply}, u"*xX"},
    {op(Operator::Add), u"Operator(1)", u"+", u"Ajouter", u"", false, {2070, 1755, 270, 255}, {2070, 1710, 285, 285}, {VkAdd}, u"+"},
    {op(Operator::Subtract), u"Operator(3)", u"-", u"Soustraire", u"", false, {1665, 2205, 270, 255}, {1665, 2160, 285, 285}, {VkSubtract}, u"-"},
    {op(Operator::Divide), u"Operator(0)", u"/", u"Diviser", u"", false, {2070, 2160, 270, 255}, {2070, 2160, 285, 285}, {VkDivide}, u"/"},
    {op(Operator::Equals), u"Operator(4)", u"=", u"Résultat", u"", false, {1665, 2565, 645, 255}, {1665, 2565, 645, 285}, {VkReturn}, u"="},
    // Keyboard keys without a label of their own.
    {{KeyCommand::EraseDigit}, u"", u"", u"", u"", false, {}, {}, {VkBack}},
};
// clang-format on

// Where a row's face comes in the order of the faces: digits, operators, then the rest.
int faceGroup(const KeyRow &row)
{
    switch (row.action.command) {
    case KeyCommand::Digit: return 0;
    case KeyCommand::Operator: return 1;
    default: return 2;
    }
}

bool faceBefore(const KeyRow &a, std::size_t aAt, const KeyRow &b, std::size_t bAt)
{
    const int ga = faceGroup(a), gb = faceGroup(b);
    if (ga != gb)
        return ga < gb;
    if (ga < 2 && a.action.index != b.action.index)
        return a.action.index < b.action.index;
    return aAt < bAt;
}

} // namespace

std::span<const KeyRow> keyTable() { return Rows; }

int keyFace(std::span<const KeyRow> rows, std::size_t row)
{
    if (row >= rows.size() || !rows[row].hasLabel())
        return -1;
    int face = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i != row && rows[i].hasLabel() && faceBefore(rows[i], i, rows[row], row))
            ++face;
    }
    return face;
}

int keyFaceCount(std::span<const KeyRow> rows)
{
    return int(std::count_if(rows.begin(), rows.end(), [](const KeyRow &r) { return r.hasLabel(); }));
}

KeyAction keyAction(std::span<const KeyRow> rows, int keyCode, QStringView typed)
{
    if (keyCode != VkNone) {
        for (const KeyRow &row : rows) {
            if (std::find(row.codes.begin(), row.codes.end(), keyCode) != row.codes.end())
                return row.action;
        }
    }
    if (typed.size() != 1)
        return {};
    for (const KeyRow &row : rows) {
        if (QStringView(row.typed).contains(typed[0]))
            return row.action;
    }
    return {};
}

KeyAction keyAction(int keyCode, QStringView typed) { return keyAction(keyTable(), keyCode, typed); }

} // namespace Euro
