#pragma once
// The About window: module name and release; Shift+Alt+F3 on the OK button shows the
// full build identification.
#include <QDialog>

#include "ui_about.h"

// The controls (Image1, ABoutLabel, VersionLabel, CopyrightLabel, Label1,
// LabelWholeVersion, BT_Ok) come from the window's layout.
class TAboutForm : public QDialog, public Ui::TAboutForm {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* owner);
    ~TAboutForm() override;

public slots:
    void FormCreate();
    void BT_OkClick();
    void BT_OkKeyDown(int key, Qt::KeyboardModifiers shift);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

// The About window while it is shown.
extern TAboutForm* AboutForm;
