#pragma once
// Aggregator port table, read-only: every port's 802.3ad LACP actor and partner settings
// (the product's aggregator port table, walked with the port names). Four pages show the
// eight LACP state bits of the selected row's actor and partner admin and oper states as
// check boxes (lacpActivity is the first bit, the most significant of the octet). Opened
// by "Layer 2 Management" > "802.3 ad" > "Aggregator Port Table" (owner: the main window);
// the window captions itself. One asynchronous walk, messages in the memo; the Done flag
// ignores a Refresh while a walk runs, and Refresh clears the state boxes until a row is
// selected again.
#include <vector>

#include "dedicated/dedicatedform.h"
#include "ui_aggregatorporttableformunit.h"

class QCheckBox;

class TAggregatorPortTableForm : public TDedicatedForm, public Ui::TAggregatorPortTableForm {
    Q_OBJECT
public:
    explicit TAggregatorPortTableForm(QWidget* owner);

    enum Column {
        PortIndex = 0,
        ActorAdminState = 20,
        ActorOperState,
        PartnerAdminState,
        PartnerOperState,
        AggregateOrIndividual
    };

    TWindowRequest* Request = nullptr;
    // No read is running: set when a read ends (or could not start), cleared when one
    // starts.
    bool Done = false;

    void GetBtnClick();
    // The eight state boxes of a state column's page (20 to 23).
    std::vector<QCheckBox*> StateBoxes(int column) const;

protected:
    void FormCreate() override;

private:
    void StartRead();
    void ClearStateBoxes();
    void EnableStateBoxes();
};

extern TAggregatorPortTableForm* AggregatorPortTableForm;
