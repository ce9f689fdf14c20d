#include "l3mgmtwindows/readonlytableform.h"

#include <QAbstractItemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

TReadOnlyTableForm::TReadOnlyTableForm(QWidget* owner, const TReadOnlyTable& config) : TDedicatedForm(owner), Config(config)
{
    setObjectName(config.FormName);
    setWindowTitle(config.Title);
    resize(config.Width, config.Height);

    auto* form = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    auto* data = new QVBoxLayout;
    auto* buttons = new QVBoxLayout;
    form->addLayout(body, 1);
    body->addLayout(data, 1);
    body->addLayout(buttons);

    ListView = new QTreeWidget(this);
    ListView->setObjectName(config.ListName);
    ListView->setRootIsDecorated(false);
    ListView->setMinimumHeight(150);
    data->addWidget(ListView, 1);

    if (!config.RowEdits.empty()) {
        auto* grid = new QGridLayout;
        int row = 0;
        for (const TRowEdit& e : config.RowEdits) {
            auto* label = new QLabel(e.Label, this);
            auto* edit = new QLineEdit(this);
            edit->setObjectName(e.Name);
            label->setBuddy(edit);
            grid->addWidget(label, row / 2, (row % 2) * 2);
            grid->addWidget(edit, row / 2, (row % 2) * 2 + 1);
            Edits.push_back(edit);
            ++row;
        }
        data->addLayout(grid);
    }

    if (config.Memo) {
        Memo1 = new QPlainTextEdit(this);
        Memo1->setObjectName("Memo1");
        Memo1->setReadOnly(true);
        Memo1->setMaximumHeight(90);
        data->addWidget(Memo1);
    }

    const auto addButton = [&](const char* name, const char* caption) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        buttons->addWidget(button);
        return button;
    };
    RefreshButton = addButton(config.RefreshName, config.RefreshCaption);
    if (config.StopName)
        StopButton = addButton(config.StopName, "Stop");
    if (config.CloseName)
        CloseButton = addButton(config.CloseName, "Close");
    if (config.RowCountName) {
        RowCount = new QLabel(this);
        RowCount->setObjectName(config.RowCountName);
        RowCount->setAlignment(Qt::AlignCenter);
        RowCount->setFrameShape(QFrame::StyledPanel);
        RowCount->setFrameShadow(QFrame::Sunken);
        buttons->addWidget(RowCount);
    }
    buttons->addStretch(1);

    if (!config.Memo) {
        StatusBar1 = new QStatusBar(this);
        StatusBar1->setObjectName("StatusBar1");
        StatusBar1->setSizeGripEnabled(false);
        form->addWidget(StatusBar1);
    }

    if (config.Scales)
        ScaleForLargeFonts();
    OnClick(RefreshButton, &TReadOnlyTableForm::RefreshClick);
    if (StopButton)
        OnClick(StopButton, &TReadOnlyTableForm::StopClick);
    if (CloseButton)
        connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    // Cells are relabelled as rows arrive and whenever a cell changes.
    QAbstractItemModel* model = ListView->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        for (int row = first; row <= last; ++row)
            RelabelRow(row);
    });
    connect(model, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& from, const QModelIndex& to) {
        for (int row = from.row(); row <= to.row(); ++row)
            RelabelRow(row);
    });
}

void TReadOnlyTableForm::FormCreate()
{
    if (Memo1)
        SetMessageTarget(Memo1);
    else
        SetMessageTarget(StatusBar1);
    Guarded([this] {
        Request = MakeRequest(Config.Table, Config.ListType, Config.KeyCount, Config.Synchronous);
        if (Config.Timeout > 0)
            Request->Request.Timeout = Config.Timeout;
        AttachList(Request, ListView);
        for (size_t k = 0; k < Edits.size(); ++k)
            Request->AddControlsFmt(Config.RowEdits[k].Column, Config.RowEdits[k].Format, Edits[k]);
        if (RowCount)
            ShowRowCount(ListView, RowCount);
        Read(Request);
    });
}

void TReadOnlyTableForm::RefreshClick()
{
    if (!Idle({Request}))
        return;
    Guarded([this] { Read(Request); });
    ClearEdits();
}

void TReadOnlyTableForm::StopClick() { Stop(Request); }

void TReadOnlyTableForm::ClearEdits()
{
    for (QLineEdit* edit : Edits)
        edit->clear();
}

void TReadOnlyTableForm::RelabelRow(int row)
{
    QTreeWidgetItem* item = ListView->topLevelItem(row);
    if (!item)
        return;
    for (int column = 0; column < item->columnCount(); ++column) {
        const std::string text = item->text(column).toStdString();
        const std::string label = CellLabel(column, text);
        if (label != text)
            item->setText(column, QString::fromStdString(label));
    }
}
