#pragma once
// Deleting the selected row of a table with a row-status column: every column but the
// keys and the status is left out, the status control shows the table's delete label
// ("destroy", or the table's own, e.g. "invalid"), one set goes out for the selected row's
// keys, the access words and the control's choice are put back, and the table is read
// again after the set's reply. The set carries exactly one varbind: the status.
//
//   if (!DeleteSelectedRow(*this, Request, 7, cbxState))
//       return;   // nothing sent: no row, request busy, window closing, or no such label
#include <string>

class QComboBox;
class TDedicatedForm;
class TWindowRequest;

// True when the set was sent (for a synchronous request: sent, answered and read again).
// Raises when the status control has no item with the delete label.
bool DeleteSelectedRow(TDedicatedForm& form, TWindowRequest* request, int statusColumn, QComboBox* statusControl,
                       const std::string& deleteLabel = "destroy");
