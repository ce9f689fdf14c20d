#pragma once
// "Module Basic Configuration": a small dialog whose "&Set" refreshes the chassis view
// and closes. Its check boxes and minutes edit are shown but not read. The main menu
// keeps its entry ("Moudle Basic Configuration") hidden.
#include <QDialog>

#include "ui_modulebasicconfigurationformunit.h"

class TModuleBasicConfigurationForm : public QDialog, public Ui::TModuleBasicConfigurationForm {
    Q_OBJECT
public:
    explicit TModuleBasicConfigurationForm(QWidget* owner);

public slots:
    void BitBtn1Click();
    void BitBtn2Click();

protected:
    void showEvent(QShowEvent* event) override;
};

extern TModuleBasicConfigurationForm* ModuleBasicConfigurationForm;
