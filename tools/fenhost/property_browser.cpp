#include "property_browser.h"

#include "com/com_error.h"
#include "com/type_info.h"
#include "variant_text.h"

#include <QHeaderView>
#include <algorithm>

namespace tarnwick::fenhost {

using namespace com;

namespace {

std::vector<const MemberInfo*> listedProperties(const TypeInfo& info) {
    std::vector<const MemberInfo*> listed;
    for (const MemberInfo& member : info.members()) {
        if (member.kind == MemberKind::Property && member.allows(InvokeKind::Get) &&
            !member.hidden && member.parameters.empty()) {
            listed.push_back(&member);
        }
    }
    std::sort(listed.begin(), listed.end(), [](const MemberInfo* a, const MemberInfo* b) {
        return a->name.compare(b->name, Qt::CaseInsensitive) < 0;
    });
    return listed;
}

// "1 - fen3D" for a member of an enumeration, "&H80000005" for a colour.
QString shownValue(const MemberInfo& member, const Variant& value) {
    if (member.typeName == QLatin1String("OLE_COLOR") && value.type() == VariantType::Int32) {
        const auto colour = static_cast<std::uint32_t>(value.toInt32());
        return QStringLiteral("&H") +
               QString::number(colour, 16).toUpper().rightJustified(8, QLatin1Char('0'));
    }
    QString text = formatValue(value);
    if (member.enumeration != nullptr) {
        for (const EnumInfo::Member& known : member.enumeration->members) {
            if (value.type() != VariantType::String && known.value == value.toInt32()) {
                text += QStringLiteral(" - ") + known.name;
            }
        }
    }
    return text;
}

} // namespace

PropertyBrowser::PropertyBrowser(QWidget* parent) : QTableWidget(0, 2, parent) {
    setObjectName(QStringLiteral("grdProperties"));
    setHorizontalHeaderLabels({QStringLiteral("Property"), QStringLiteral("Value")});
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    setWordWrap(false);
    connect(this, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem* item) { commit(item); });
}

void PropertyBrowser::showControl(IDispatch* control) {
    m_control = control;
    refresh();
}

void PropertyBrowser::refresh() {
    m_filling = true;
    setRowCount(0);
    if (m_control) {
        const auto listed = listedProperties(m_control->GetTypeInfo());
        setRowCount(static_cast<int>(listed.size()));
        for (int row = 0; row < rowCount(); ++row) {
            const MemberInfo& member = *listed[static_cast<std::size_t>(row)];
            auto* name = new QTableWidgetItem(member.name);
            name->setFlags(Qt::ItemIsEnabled);
            name->setData(Qt::UserRole, member.id);
            setItem(row, 0, name);
            QString text;
            try {
                text = shownValue(member, m_control->Invoke(member.id, InvokeKind::Get, {}));
            } catch (const ComError& error) {
                text = QStringLiteral("(error %1)").arg(error.number());
            }
            auto* value = new QTableWidgetItem(text);
            if (!member.allows(InvokeKind::Put)) {
                value->setFlags(Qt::ItemIsEnabled);
            }
            setItem(row, 1, value);
        }
        resizeColumnToContents(0);
        resizeRowsToContents();
    }
    m_filling = false;
}

void PropertyBrowser::commit(QTableWidgetItem* item) {
    if (m_filling || !m_control || item->column() != 1) {
        return;
    }
    const DispId id = this->item(item->row(), 0)->data(Qt::UserRole).toInt();
    QString text = item->text();
    if (const qsizetype suffix = text.indexOf(QLatin1String(" - ")); suffix > 0) {
        text = text.left(suffix);
    }
    const Variant value = parseValue(text);
    try {
        m_control->Invoke(id, InvokeKind::Put, std::span<const Variant>(&value, 1));
    } catch (const ComError& error) {
        if (onError) {
            onError(QStringLiteral("error %1: %2").arg(error.number()).arg(error.description()));
        }
    }
    refresh();
}

} // namespace tarnwick::fenhost
