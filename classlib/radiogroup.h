#pragma once
// The radio group of the class library: a captioned box holding one radio button per text
// of Items, at most one of them checked. ItemIndex is the checked button, -1 for none.
// Columns lays the buttons out in that many columns, filled from the top of the first one
// down (a form description sets it as the property "columns", with stdset="0").
#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

class QRadioButton;
class QGridLayout;

class TRadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(int columns READ Columns WRITE SetColumns)
public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    QStringList Items() const;
    void SetItems(const QStringList& items);
    void AddItem(const QString& text);
    void ClearItems();

    int ItemIndex() const;
    // An index outside the items checks none.
    void SetItemIndex(int index);

    int Columns() const { return ColumnCount; }
    // At least one column.
    void SetColumns(int columns);

    // The buttons' group: ids are item indexes (idToggled, idClicked).
    QButtonGroup* Group() const { return ButtonGroup; }

private:
    void PlaceButtons();

    QButtonGroup* ButtonGroup;
    QGridLayout* Layout;
    int ColumnCount = 1;
};
