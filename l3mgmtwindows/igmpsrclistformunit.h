#pragma once
// IGMP source list window, read-only: per interface index, each entry's source router and
// host address with the source router timer. Opened by "Layer 3 Management" > "IGMP" >
// "Source List" (owner: the application), captioned by the menu handler. Synchronous walk
// with a 2 s time-out that Stop ends; Refresh is ignored while it runs and walks again from
// an empty list after a Stop; messages in the memo.
#include "l3mgmtwindows/readonlytableform.h"

class TIGMPSrcListForm : public TReadOnlyTableForm {
    Q_OBJECT
public:
    explicit TIGMPSrcListForm(QWidget* owner);
};

extern TIGMPSrcListForm* IGMPSrcListForm;
