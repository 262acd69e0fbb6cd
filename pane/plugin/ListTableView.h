#pragma once

#include <QTableView>

// The table of a list the user edits: it asks for no more than its minimum height, so that its
// page is as tall as the other controls need and the table takes the room left.
class ListTableView : public QTableView {
    Q_OBJECT

public:
    using QTableView::QTableView;

    QSize sizeHint() const override;
};
