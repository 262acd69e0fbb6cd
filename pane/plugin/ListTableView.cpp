#include "pane/plugin/ListTableView.h"

QSize ListTableView::sizeHint() const {
    return {QTableView::sizeHint().width(), minimumHeight()};
}
