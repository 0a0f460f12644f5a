// The Qt defaults of the lookup, list-picker and search seams: one small dialog over the caller's rows.
#include "platform/gui/seams.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vq::gui::seams {
namespace {

enum class Mode { One, Many, Search };

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

void fillTable(QTableWidget& table, const ChoiceRequest& request) {
    table.setColumnCount(static_cast<int>(request.columns.size()));
    QStringList titles;
    for (const auto& c : request.columns)
        titles << qs(c);
    table.setHorizontalHeaderLabels(titles);
    table.setRowCount(static_cast<int>(request.rows.size()));
    for (std::size_t r = 0; r < request.rows.size(); ++r)
        for (std::size_t c = 0; c < request.rows[r].size() && c < request.columns.size(); ++c)
            table.setItem(static_cast<int>(r), static_cast<int>(c),
                          new QTableWidgetItem(qs(request.rows[r][c])));
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.horizontalHeader()->setStretchLastSection(true);
    table.verticalHeader()->hide();
}

// Shows only the rows whose text in `column` starts with `text` (case-insensitive) and selects the first.
void applyFilter(QTableWidget& table, int column, const QString& text) {
    int first = -1;
    for (int r = 0; r < table.rowCount(); ++r) {
        const QTableWidgetItem* item = table.item(r, column);
        const bool match = text.isEmpty() || (item && item->text().startsWith(text, Qt::CaseInsensitive));
        table.setRowHidden(r, !match);
        if (match && first < 0)
            first = r;
    }
    if (first >= 0)
        table.selectRow(first);
}

RowsChoice run(const ChoiceRequest& request, Mode mode) {
    if (request.rows.empty()) {
        if (!request.emptyText.empty())
            showMessage(MessageKind::Info, request.emptyText);
        return std::nullopt;
    }
    QDialog dialog;
    dialog.setWindowTitle(qs(request.caption));
    auto* layout = new QVBoxLayout(&dialog);
    auto* table = new QTableWidget(&dialog);
    fillTable(*table, request);
    table->setSelectionMode(mode == Mode::Many ? QAbstractItemView::MultiSelection
                                               : QAbstractItemView::SingleSelection);
    if (mode == Mode::Search) {
        auto* column = new QComboBox(&dialog);
        for (const auto& c : request.columns)
            column->addItem(qs(c));
        auto* text = new QLineEdit(&dialog);
        layout->addWidget(column);
        layout->addWidget(text);
        auto refilter = [=] { applyFilter(*table, column->currentIndex(), text->text()); };
        QObject::connect(text, &QLineEdit::textChanged, &dialog, refilter);
        QObject::connect(column, &QComboBox::currentIndexChanged, &dialog, refilter);
    }
    layout->addWidget(table);
    for (std::size_t r : request.selected)
        table->selectRow(static_cast<int>(r));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(table, &QTableWidget::cellDoubleClicked, &dialog, [&] {
        if (mode != Mode::Many)
            dialog.accept();
    });
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : table->selectionModel()->selectedRows())
        if (!table->isRowHidden(index.row()))
            rows.push_back(static_cast<std::size_t>(index.row()));
    std::sort(rows.begin(), rows.end());
    return rows;
}

RowChoice single(const ChoiceRequest& request, Mode mode) {
    auto rows = run(request, mode);
    if (!rows || rows->empty())
        return std::nullopt;
    return rows->front();
}

} // namespace

RowChoice defaultLookup(const ChoiceRequest& request) {
    return single(request, Mode::One);
}
RowsChoice defaultListPicker(const ChoiceRequest& request) {
    return run(request, Mode::Many);
}
RowChoice defaultSearch(const ChoiceRequest& request) {
    return single(request, Mode::Search);
}

} // namespace vq::gui::seams
