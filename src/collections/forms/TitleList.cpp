#include "collections/forms/TitleList.h"

#include <QListWidget>

#include "base/forms/QtText.h"

namespace qf {

void FillTitleList(QListWidget& list, const std::vector<ListRow>& rows) {
    list.setSortingEnabled(false);
    list.clear();
    for (const ListRow& row : rows) {
        auto* item = new QListWidgetItem(FromAnsi(row.text), &list);
        item->setData(Qt::UserRole, QVariant::fromValue<qint64>(row.value));
    }
}

std::vector<std::int64_t> SelectedSlots(const QListWidget& list) {
    std::vector<std::int64_t> chosen;
    for (int i = 0; i < list.count(); ++i)
        if (const QListWidgetItem* item = list.item(i); item->isSelected())
            chosen.push_back(item->data(Qt::UserRole).value<qint64>());
    return chosen;
}

}  // namespace qf
