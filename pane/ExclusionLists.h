#pragma once

#include "pane/PaneContext.h"
#include "pane/RVTableViewArray.h"

#include <QCoreApplication>

// The two exclusion lists and the edits of their tables: the pane is both tables' edit delegate.
// Each list reaches the store file as soon as it changes.
class ExclusionLists final : public RVTableViewArrayDelegate {
    Q_DECLARE_TR_FUNCTIONS(ExclusionLists)

public:
    explicit ExclusionLists(PaneContext& pane) : pane_(pane) {}

    // Reads both lists from this visit's store and hands them to their tables.
    void willSelect();

    bool respondsTo(Message message) const override;
    bool RVTableViewArrayAddEntry(RVTableViewArray& table) override;
    std::optional<QString> RVTableViewArrayAddEntryError(RVTableViewArray& table,
                                                         const PlistValue& newEntry) override;
    void RVTableViewArrayChanged(RVTableViewArray& table) override;
    void RVTableViewArrayWillDisplayCellForTableColumnRow(RVTableViewArray& table,
                                                          RVTableViewArrayCell& cell,
                                                          const RVTableViewArrayColumn& column,
                                                          int row) override;

private:
    void addEntryToTableDidEndReturnCodeContextInfo(int returnCode, const QStringList& filenames);
    void storeList(const PlistValue::Array& list, QLatin1StringView key);

    PaneContext& pane_;
    // Edited in place by the tables.
    PlistValue::Array excludeWordsArray;
    PlistValue::Array excludeApplicationsArray;
};
