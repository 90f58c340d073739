#include "engine/ResultRecording.h"

#include "engine/ReasonTexts.h"

namespace dirforge::engine {

namespace {

void AddStructureRows(RunCounters& counters, CounterColumn column, const StructureTotals& added) {
    counters.at(CounterRow::Subfolders, column) += added.subfolders;
    counters.at(CounterRow::Files, column) += added.files;
    counters.at(CounterRow::Bytes, column) += static_cast<double>(added.bytes);
}

/// Shows path in one of the log's lists and, in a real run, journals it in the same list.
void Append(const RecordSink& sink, ResultList list, const std::string& path) {
    if (sink.journal)
        sink.results.list(list).push_back(path);
    if (sink.writer != nullptr &&
        (list == ResultList::FoldersCreated || list == ResultList::SubFoldersCreated))
        sink.writer->listed(list, path);
    sink.observer.recorded(list, path);
}

void RecordTarget(const RecordSink& sink, ResultList list, CounterColumn column,
                  const std::string& path, const StructureTotals& added) {
    sink.results.counters.at(CounterRow::Folders, column) += 1;
    AddStructureRows(sink.results.counters, column, added);
    RefreshLogCounters(sink);
    Append(sink, list, path);
}

} // namespace

void RefreshLogCounters(const RecordSink& sink) {
    sink.observer.countersChanged(sink.results.counters);
}

void AddToCounter(const RecordSink& sink, CounterRow row, CounterColumn column, double amount) {
    sink.results.counters.at(row, column) += amount;
    RefreshLogCounters(sink);
}

void RecordCreated(const RecordSink& sink, const std::string& path) {
    RecordTarget(sink, ResultList::FoldersCreated, CounterColumn::Created, path, StructureTotals{});
}

void RecordExisting(const RecordSink& sink, const std::string& path, const StructureTotals& added) {
    RecordTarget(sink, ResultList::FoldersExist, CounterColumn::Exist, path, added);
}

void RecordOther(const RecordSink& sink, const std::string& path, const StructureTotals& added,
                 const std::string& reason) {
    RecordTarget(sink, ResultList::FoldersOther, CounterColumn::Other, path, added);
    RecordReason(sink, path, reason);
}

void RecordReason(const RecordSink& sink, const std::string& path, const std::string& reason) {
    if (sink.journal)
        sink.results.Reasons.insert_or_assign(path, reason);
    sink.observer.failed(path, reason);
}

void RecordCreatedSubfolder(const RecordSink& sink, const std::string& path) {
    Append(sink, ResultList::SubFoldersCreated, path);
    AddToCounter(sink, CounterRow::Subfolders, CounterColumn::Created, 1);
}

void RecordCreatedFile(const RecordSink& sink, const std::string& path) {
    Append(sink, ResultList::FilesCreated, path);
    AddToCounter(sink, CounterRow::Files, CounterColumn::Created, 1);
}

void RecordExistingTemplateFolder(const RecordSink& sink, const std::string& path) {
    AddToCounter(sink, CounterRow::Subfolders, CounterColumn::Exist, 1);
    sink.observer.recorded(ResultList::FoldersExist, path);
}

void RecordOtherSubfolder(const RecordSink& sink, const std::string& path,
                          const std::string& reason) {
    AddToCounter(sink, CounterRow::Subfolders, CounterColumn::Other, 1);
    Append(sink, ResultList::FoldersOther, path);
    RecordReason(sink, path, reason);
}

void RecordStructureNotCopied(const RecordSink& sink, const StructureTotals& totals) {
    AddStructureRows(sink.results.counters, CounterColumn::Other, totals);
    RefreshLogCounters(sink);
}

std::string ReasonOf(const FailureReasons& reasons, const std::string& path) {
    const auto found = reasons.find(path);
    return found != reasons.end() ? found->second : std::string(kReasonNotRemoved);
}

void RecordFailedUndo(RunResults& results, RunObserver& observer, const std::string& path,
                      const std::string& reason) {
    results.counters.failedUndo += 1;
    observer.countersChanged(results.counters);
    results.FoldersFailedUndo.push_back(path);
    observer.recorded(ResultList::FoldersFailedUndo, path);
    results.Reasons.insert_or_assign(path, reason);
    observer.failed(path, reason);
}

} // namespace dirforge::engine
