#include "cli/Batch.h"

#include "cli/Table.h"

namespace zentolk::cli {

// --tsv is the table converter's tab-separated output of tab-separated input.
int RunBatch(int inFd, FdWriter& out, FdWriter& err, char decimalSeparator, BatchPath path) {
    return RunTable(
        inFd, out, err,
        {TableInput::Tsv, TableFormat::Tsv, false, decimalSeparator, path == BatchPath::Fast});
}

} // namespace zentolk::cli
