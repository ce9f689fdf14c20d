#pragma once
// The "Refresh Panel" progress popup: the main menu's "Refresh Panel" shows it modally
// after its confirmation. Once shown it runs one chassis refresh (unless a timer poll is
// running) while its bar moves every second, and then closes itself; it cannot be
// closed before.
#include <QDialog>

#include "ui_popuprefreshpanelform.h"

class QTimer;

class TPopupProcessBarForm : public QDialog, public Ui::TPopupProcessBarForm {
    Q_OBJECT
public:
    explicit TPopupProcessBarForm(QObject* owner);

    QTimer* Timer1 = nullptr; // the bar's step, 1000 ms, running from creation

public slots:
    void Timer1Timer();
    // Runs the refresh once the popup is up, then closes it.
    void FormActivate();
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void customEvent(QEvent* event) override;

private:
    bool Activated = false;
    bool Finished = false;
};

// The popup while it is shown.
extern TPopupProcessBarForm* PopupProcessBarForm;
