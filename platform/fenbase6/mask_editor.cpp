#include "mask_editor.h"

namespace tarnwick::fenbase6 {

namespace {

bool isSpace(QChar c) {
    return c == QLatin1Char(' ') || c == toFullWidth(QLatin1Char(' '));
}

} // namespace

MaskEditor::MaskEditor(MaskPattern pattern) {
    setPattern(std::move(pattern));
}

void MaskEditor::setPattern(MaskPattern pattern) {
    m_pattern = std::move(pattern);
    m_cells = QString(m_pattern.size(), QChar());
}

std::optional<QChar> MaskEditor::fit(int index, QChar c, bool typed) const {
    const MaskSlotClass slot = m_pattern.at(index).slot;
    const bool space = isSpace(c);
    if (space && typed && !m_rules.allowSpace) {
        return std::nullopt;
    }
    const bool spaceIsCharacter = m_rules.allowSpace && classHoldsSpace(slot);
    if (space && !spaceIsCharacter) {
        return QChar(); // a blank slot
    }
    if (space && !typed) {
        return c; // kept as given, so that text read out reads back the same
    }
    std::optional<QChar> fitted = fitCharacter(slot, c, m_rules.autoConvert);
    if (fitted && slot.keyword == MaskKeyword::Lookup &&
        !lookupAllows(m_rules.lookupMode, m_rules.lookupTable, *fitted)) {
        fitted.reset();
    }
    return fitted;
}

int MaskEditor::nextSlot(int position) const {
    int index = std::max(position, 0);
    while (index < m_pattern.size() && !m_pattern.isSlot(index)) {
        ++index;
    }
    return index;
}

int MaskEditor::lastFilledSlot() const {
    for (int i = m_pattern.size() - 1; i >= 0; --i) {
        if (m_pattern.isSlot(i) && !m_cells.at(i).isNull()) {
            return i;
        }
    }
    return -1;
}

QString MaskEditor::text() const {
    const int last = lastFilledSlot();
    if (last < 0) {
        return {};
    }
    int end = last + 1;
    if (nextSlot(end) == m_pattern.size()) {
        end = m_pattern.size();
    }
    QString result;
    for (int i = 0; i < end; ++i) {
        const QChar c = m_pattern.at(i).isLiteral ? m_pattern.at(i).literal : m_cells.at(i);
        result.append(c.isNull() ? QLatin1Char(' ') : c);
    }
    return result;
}

QString MaskEditor::value() const {
    QString result;
    const int last = lastFilledSlot();
    for (int i = 0; i <= last; ++i) {
        if (m_pattern.isSlot(i)) {
            result.append(m_cells.at(i).isNull() ? QLatin1Char(' ') : m_cells.at(i));
        }
    }
    return result;
}

bool MaskEditor::isFull() const {
    for (int i = 0; i < m_pattern.size(); ++i) {
        if (m_pattern.isSlot(i) && m_cells.at(i).isNull()) {
            return false;
        }
    }
    return true;
}

bool MaskEditor::setText(const QString& text) {
    if (text.size() > m_pattern.size()) {
        return false;
    }
    QString cells(m_pattern.size(), QChar());
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
        if (m_pattern.at(i).isLiteral) {
            if (text.at(i) != m_pattern.at(i).literal) {
                return false;
            }
        } else if (const std::optional<QChar> fitted = fit(i, text.at(i), false)) {
            cells[i] = *fitted;
        } else {
            return false;
        }
    }
    m_cells = cells;
    return true;
}

bool MaskEditor::setValue(const QString& value) {
    QString cells(m_pattern.size(), QChar());
    int index = 0;
    for (const QChar c : value) {
        index = nextSlot(index);
        if (index >= m_pattern.size()) {
            return false;
        }
        const std::optional<QChar> fitted = fit(index, c, false);
        if (!fitted) {
            return false;
        }
        cells[index++] = *fitted;
    }
    m_cells = cells;
    return true;
}

void MaskEditor::clear() {
    m_cells = QString(m_pattern.size(), QChar());
}

bool MaskEditor::shiftField(int from, int direction) {
    const int last = fieldEnd(m_pattern.at(from).field) - 1;
    if (direction > 0 && !m_cells.at(last).isNull()) {
        return false; // the field is full
    }
    const int first = direction > 0 ? last : from;
    const int stop = direction > 0 ? from : last;
    for (int i = first; i != stop; i -= direction) {
        const QChar moved = m_cells.at(i - direction);
        if (moved.isNull()) {
            m_cells[i] = QChar();
        } else if (const std::optional<QChar> fitted = fit(i, moved, false)) {
            m_cells[i] = *fitted;
        } else {
            return false;
        }
    }
    m_cells[stop] = QChar();
    return true;
}

std::optional<int> MaskEditor::type(int position, QChar c, bool insert) {
    const int index = nextSlot(position);
    if (index >= m_pattern.size()) {
        return std::nullopt;
    }
    const std::optional<QChar> fitted = fit(index, c, true);
    if (!fitted) {
        return std::nullopt;
    }
    if (insert && !m_cells.at(index).isNull() && !fitted->isNull()) {
        const QString before = m_cells;
        if (!shiftField(index, 1)) {
            m_cells = before;
            return std::nullopt;
        }
    }
    m_cells[index] = *fitted;
    return nextSlot(index + 1);
}

std::optional<int> MaskEditor::eraseBefore(int position, bool insert) {
    int index = std::min(position, m_pattern.size()) - 1;
    while (index >= 0 && !m_pattern.isSlot(index)) {
        --index;
    }
    if (index < 0) {
        return std::nullopt;
    }
    return eraseAfter(index, insert);
}

std::optional<int> MaskEditor::eraseAfter(int position, bool insert) {
    const int index = nextSlot(position);
    if (index >= m_pattern.size()) {
        return std::nullopt;
    }
    const QString before = m_cells;
    if (!insert || !shiftField(index, -1)) {
        m_cells = before;
        m_cells[index] = QChar();
    }
    return index;
}

void MaskEditor::removeRange(int start, int end, bool insert) {
    for (int i = std::min(end, m_pattern.size()) - 1; i >= std::max(start, 0); --i) {
        if (m_pattern.isSlot(i)) {
            eraseAfter(i, insert);
        }
    }
}

QString MaskEditor::clipText(int start, int end, bool withLiterals) const {
    QString result;
    for (int i = std::max(start, 0); i < std::min(end, m_pattern.size()); ++i) {
        if (m_pattern.at(i).isLiteral) {
            if (withLiterals) {
                result.append(m_pattern.at(i).literal);
            }
        } else {
            result.append(m_cells.at(i).isNull() ? QLatin1Char(' ') : m_cells.at(i));
        }
    }
    return result;
}

std::optional<int> MaskEditor::replace(int start, int end, const QString& text, bool insert) {
    const QString before = m_cells;
    removeRange(start, end, insert);
    int index = std::max(start, 0);
    for (const QChar c : text) {
        if (index < m_pattern.size() && m_pattern.at(index).isLiteral &&
            m_pattern.at(index).literal == c) {
            ++index;
            continue;
        }
        index = nextSlot(index);
        const std::optional<QChar> fitted =
            index < m_pattern.size() ? fit(index, c, false) : std::nullopt;
        if (!fitted || (insert && !m_cells.at(index).isNull() && !shiftField(index, 1))) {
            m_cells = before;
            return std::nullopt;
        }
        m_cells[index++] = *fitted;
    }
    return index;
}

int MaskEditor::fieldAt(int position) const {
    const int index = nextSlot(position);
    return index < m_pattern.size() ? m_pattern.at(index).field : m_pattern.fieldCount - 1;
}

int MaskEditor::fieldStart(int field) const {
    for (int i = 0; i < m_pattern.size(); ++i) {
        if (m_pattern.at(i).field == field) {
            return i;
        }
    }
    return m_pattern.size();
}

int MaskEditor::fieldEnd(int field) const {
    int end = fieldStart(field);
    while (end < m_pattern.size() && m_pattern.at(end).field == field) {
        ++end;
    }
    return end;
}

} // namespace tarnwick::fenbase6
