#include "widgets/cellgrid.h"

#include <QHeaderView>
#include <QPainter>
#include <QPolygon>
#include <QStyledItemDelegate>

#include <algorithm>

namespace qarnivo {

namespace {

// Draws a cell's own background, its picture centred and its text with the
// cell's alignment. The grid's selection colours are left out: the program
// marks the selected day with cell colours of its own.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        painter->save();
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        const QVariant background = index.data(Qt::BackgroundRole);
        if (background.canConvert<QBrush>() && background.value<QBrush>().style() != Qt::NoBrush)
            painter->fillRect(option.rect, background.value<QBrush>());
        const QPixmap picture = index.data(Qt::DecorationRole).value<QPixmap>();
        if (!picture.isNull()) {
            const QSize size = picture.deviceIndependentSize().toSize().scaled(
                option.rect.size() - QSize(4, 4), Qt::KeepAspectRatio);
            QRect target(QPoint(), size.boundedTo(picture.deviceIndependentSize().toSize()));
            target.moveCenter(option.rect.center());
            painter->drawPixmap(target, picture);
        }
        const QVariant foreground = index.data(Qt::ForegroundRole);
        const QColor textColour =
            foreground.canConvert<QBrush>() && foreground.value<QBrush>().style() != Qt::NoBrush
                ? foreground.value<QBrush>().color()
                : option.palette.color(QPalette::Text);
        if (index.data(kMarkedRole).toBool())
            paintMark(painter, option.rect, textColour);
        const QString text = index.data(Qt::DisplayRole).toString();
        if (!text.isEmpty()) {
            painter->setPen(textColour);
            QVariant font = index.data(Qt::FontRole);
            painter->setFont(font.isValid() ? font.value<QFont>() : option.font);
            const QVariant alignment = index.data(Qt::TextAlignmentRole);
            const int flags = alignment.isValid() ? alignment.toInt() : int(Qt::AlignCenter);
            painter->drawText(option.rect.adjusted(2, 1, -2, -1), flags, text);
        }
        if (index.data(kFramedRole).toBool()) {
            painter->setPen(QPen(option.palette.color(QPalette::Text), 2));
            painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
        }
        if (option.state & QStyle::State_HasFocus)
            paintFocus(painter, option.rect);
        painter->restore();
    }

private:
    // A triangle in the top right corner, clear of a centred number, in the
    // text's colour, which every scheme sets apart from the cell's ground.
    static void paintMark(QPainter *painter, const QRect &cell, const QColor &colour)
    {
        const int side = std::max(6, std::min(cell.width(), cell.height()) / 4);
        const QPoint corner = cell.topRight() + QPoint(-2, 2);
        const QPolygon triangle({corner, corner - QPoint(side, 0), corner + QPoint(0, side)});
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(colour);
        painter->drawPolygon(triangle);
        painter->setRenderHint(QPainter::Antialiasing, false);
    }

    // The keyboard's cell: black dashes over white, inside today's frame,
    // seen on any cell colour of any scheme.
    static void paintFocus(QPainter *painter, const QRect &cell)
    {
        const QRect inner = cell.adjusted(4, 4, -5, -5);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(Qt::white, 2));
        painter->drawRect(inner);
        painter->setPen(QPen(Qt::black, 2, Qt::DashLine));
        painter->drawRect(inner);
    }
};

} // namespace

QTableWidget *CreateCellGrid(QWidget *parent, const ControlName &name, int rows, int columns)
{
    auto *grid = new QTableWidget(rows, columns, parent);
    SetControlName(grid, name);
    // The hidden headers would otherwise hold every column and row to a
    // minimum size taken from the grid's (large) font.
    for (QHeaderView *header : {grid->horizontalHeader(), grid->verticalHeader()}) {
        header->hide();
        header->setMinimumSectionSize(1);
    }
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setItemDelegate(new CellDelegate(grid));
    grid->setCornerButtonEnabled(false);
    grid->setWordWrap(false);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            grid->setItem(row, column, new QTableWidgetItem);
    }
    return grid;
}

void ClearCellGrid(QTableWidget *grid)
{
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column)
            grid->setItem(row, column, new QTableWidgetItem);
    }
}

QTableWidgetItem *GridCell(QTableWidget *grid, int row, int column)
{
    QTableWidgetItem *cell = grid->item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        grid->setItem(row, column, cell);
    }
    return cell;
}

} // namespace qarnivo
