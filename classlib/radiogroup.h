#pragma once
// The radio group of the class library: a captioned box holding one radio button per text
// of Items, at most one of them checked. ItemIndex is the checked button, -1 for none.
#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

class QRadioButton;
class QVBoxLayout;

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    QStringList Items() const;
    void SetItems(const QStringList& items);
    void AddItem(const QString& text);
    void ClearItems();

    int ItemIndex() const;
    // An index outside the items checks none.
    void SetItemIndex(int index);

    // The buttons' group: ids are item indexes (idToggled, idClicked).
    QButtonGroup* Group() const { return ButtonGroup; }

private:
    QButtonGroup* ButtonGroup;
    QVBoxLayout* Layout;
};
