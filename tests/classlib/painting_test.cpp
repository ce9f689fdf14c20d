// What a repeated value costs on screen: an LED shape or a status panel given what it already
// shows paints nothing and lays nothing out; given something new, it repaints its own
// pixels, and those pixels show the new state.
#include "classlib/colors.h"
#include "classlib/ledshape.h"
#include "classlib/statuspanels.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr uint32_t Lime = 0x00FF00; // 0x00BBGGRR
constexpr uint32_t Red = 0x0000FF;

// Counts the paint and layout events of some widgets.
class EventTally : public QObject {
public:
    explicit EventTally(std::initializer_list<QWidget*> widgets)
    {
        for (QWidget* w : widgets)
            w->installEventFilter(this);
    }
    int paints(const QObject* o) const { return count(o, QEvent::Paint); }
    int layouts(const QObject* o) const { return count(o, QEvent::LayoutRequest); }
    void clear() { counts.clear(); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        ++counts[{o, e->type()}];
        return false;
    }

private:
    int count(const QObject* o, QEvent::Type t) const
    {
        const auto it = counts.find({o, t});
        return it == counts.end() ? 0 : it->second;
    }
    std::map<std::pair<const QObject*, QEvent::Type>, int> counts;
};

// Everything posted so far is delivered: updates are painted, layouts are done.
void Settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

QRgb Pixel(QWidget* window, QPoint at) { return window->grab().toImage().pixel(at); }

TEST(ShapePainting, NewColourRepaintsTheShapeAloneSameColourNothing)
{
    const struct {
        TShapeType type;
        QSize size;
        bool opaque; // covers its rectangle: the panel beneath is not painted for it
    } cases[] = {
        {stRectangle, {6, 6}, true},
        {stRectangle, {9, 4}, true},
        {stSquare, {6, 6}, true},
        {stSquare, {9, 6}, false},
        {stCircle, {8, 8}, false},
    };
    for (const auto& c : cases) {
        QWidget panel;
        panel.resize(60, 20);
        auto* shape = new TShape(&panel);
        shape->SetShape(c.type);
        shape->setGeometry(QRect(QPoint(20, 5), c.size));
        shape->SetBrushColor(clBlack);
        shape->SetPenColor(clBlack);
        panel.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
        Settle();
        EventTally tally{&panel, shape};

        shape->SetBrushColor(clBlack);
        shape->SetPenColor(clBlack);
        shape->SetShape(c.type);
        Settle();
        EXPECT_EQ(tally.paints(shape) + tally.paints(&panel), 0) << c.type;

        shape->SetBrushColor(Lime);
        shape->SetPenColor(Lime);
        Settle();
        EXPECT_GE(tally.paints(shape), 1) << c.type;
        EXPECT_EQ(tally.paints(&panel), c.opaque ? 0 : 1) << c.type;
        const QPoint centre = shape->geometry().center();
        EXPECT_EQ(QColor(Pixel(&panel, centre)), ToQColor(Lime)) << c.type;
    }
}

TEST(ShapePainting, RectangleHasItsOutlineOnTheEdgePixelsAndItsFillInside)
{
    QWidget panel;
    panel.resize(40, 20);
    auto* shape = new TShape(&panel);
    shape->setGeometry(10, 5, 7, 6);
    shape->SetBrushColor(Lime);
    shape->SetPenColor(Red);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    Settle();
    const QImage image = panel.grab().toImage();
    const QColor pen = ToQColor(Red), brush = ToQColor(Lime);
    for (int y = 5; y < 11; ++y)
        for (int x = 10; x < 17; ++x) {
            const bool edge = x == 10 || x == 16 || y == 5 || y == 10;
            EXPECT_EQ(QColor(image.pixel(x, y)), edge ? pen : brush) << x << "," << y;
        }
    // A thin shape is all outline.
    shape->setGeometry(10, 5, 2, 6);
    Settle();
    const QImage thin = panel.grab().toImage();
    for (int y = 5; y < 11; ++y)
        for (int x = 10; x < 12; ++x)
            EXPECT_EQ(QColor(thin.pixel(x, y)), pen) << x << "," << y;
}

TEST(StatusPanels, NewTextRepaintsThePanelAloneAndLaysNothingOut)
{
    QMainWindow window;
    window.resize(400, 100);
    auto* bar = new QStatusBar(&window);
    auto* panels = new TStatusPanels(bar);
    QLabel* line = panels->AddPanel(QStringLiteral("Line"), 50);
    QLabel* notice = panels->AddPanel(QStringLiteral("Notice"), 50);
    notice->hide();
    bar->addWidget(panels, 1);
    window.setStatusBar(bar);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    Settle();
    // The panel fills the place the bar gives it, as high as a line of the bar's font.
    EXPECT_EQ(line->geometry(), panels->rect());
    EXPECT_GT(line->width(), 300);
    EXPECT_GE(line->height(), bar->fontMetrics().height());
    const int barHeight = bar->height();

    EventTally tally{&window, bar, panels, line};
    for (const QString& text : {QStringLiteral("Get: Ok Request: Led Status. Receive at 04:37:12 PM."),
                                QStringLiteral("Get: Ok Request: Led Status. Receive at 04:37:15 PM."),
                                QString(QLatin1Char('W')).repeated(300)}) {
        tally.clear();
        line->setText(text);
        Settle();
        EXPECT_GE(tally.paints(line), 1);
        for (QObject* o : std::initializer_list<QObject*>{&window, bar, panels}) {
            EXPECT_EQ(tally.paints(o), 0) << o->metaObject()->className();
            EXPECT_EQ(tally.layouts(o), 0) << o->metaObject()->className();
        }
        EXPECT_EQ(bar->height(), barHeight);
    }
    tally.clear();
    line->setText(line->text());
    Settle();
    EXPECT_EQ(tally.paints(line), 0);

    // The notice takes the line's place while it stands.
    notice->setText(QStringLiteral("Notice"));
    line->hide();
    notice->show();
    Settle();
    EXPECT_EQ(notice->geometry(), line->geometry());
    EXPECT_EQ(bar->height(), barHeight);
}

} // namespace
