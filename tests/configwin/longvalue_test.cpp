// A value from the switch far longer than a field can show (a hostile switch's 65,000-octet
// alias) in a window's editor, against the simulator: it is shown in part and read-only, the
// message loop is not held while it is shown and the window closes, and a set sends the
// switch's value whole, never the part shown.
#include <gtest/gtest.h>

#include <ctime>
#include <memory>
#include <string>

#include <QLineEdit>
#include <QTimer>

#include "l2windows/ifxeditunit.h"
#include "l2windows/ifxtableunit.h"
#include "snmplib/bind/request2edits.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string AliasOid = "1.3.6.1.2.1.31.1.1.1.18.3"; // port 3, the third row
constexpr int Row = 2;
const std::string Long(65000, 'B');

// The longest stretch of this thread's CPU time between two turns of the message loop:
// unlike the time on the clock, it does not grow when a loaded machine keeps the thread
// from a processor.
class LoopProbe {
public:
    LoopProbe()
    {
        timer.setInterval(1);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const double now = Cpu();
            longest = std::max(longest, now - last);
            last = now;
        });
        last = Cpu();
        timer.start();
    }
    double LongestMs() const { return longest; }

private:
    static double Cpu()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
    }
    QTimer timer;
    double last = 0;
    double longest = 0;
};

std::string Served(const std::string& oid)
{
    for (const auto& vb : sim().walk(oid))
        if (vb.oid == oid)
            return vb.value;
    return {};
}

TEST(LongValue, AnAliasTooLongToShowIsShownInPartAndWrittenBackWhole)
{
    const std::string before = Served(AliasOid);
    ASSERT_TRUE(sim().setValue(AliasOid, "STRING", Long)) << sim().lastError;
    std::unique_ptr<LoopProbe> probe; // from the fill to the close
    ASSERT_TRUE(withWindow<TIfxForm>("IFXTable1", [&](TIfxForm& w) {
        ASSERT_EQ(columnTexts(w.lvIfxInformation, TIfxForm::Alias)[Row].size(), Long.size());
        probe = std::make_unique<LoopProbe>();
        selectRow(w.lvIfxInformation, Row);
        clearLog();
        QTimer::singleShot(0, w.Editor, [&w] {
            QLineEdit* alias = w.Editor->edtAlias;
            // Never laid out whole, and not the user's to change.
            EXPECT_LE(alias->text().size(), VhSNMPRequest2Edits::EditTextLimit + 1);
            EXPECT_TRUE(alias->text().startsWith("BBBB"));
            EXPECT_TRUE(alias->isReadOnly());
            EXPECT_TRUE(w.Request->ShowsInPart(alias));
            snapshot(w.Editor, "longvalue-ifxedit");
            w.Editor->btnSetClick();
            if (w.Editor->isVisible())
                w.Editor->btnClose->click();
        });
        w.btnEdit->click();
        ASSERT_TRUE(waitIdle(w));
        const auto sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        bool sent = false;
        for (const auto& vb : sets[0].varbinds)
            if (vb.oid == AliasOid) {
                sent = true;
                EXPECT_EQ(vb.value.size(), Long.size());
                EXPECT_EQ(vb.value, Long);
            }
        EXPECT_TRUE(sent) << "the alias was left out of the set";
        // A short alias read again: the edit is the user's again.
        ASSERT_TRUE(sim().setValue(AliasOid, "STRING", "short"));
        w.btnRefreshClick();
        ASSERT_TRUE(waitIdle(w));
        selectRow(w.lvIfxInformation, Row);
        EXPECT_EQ(w.Editor->edtAlias->text(), "short");
        EXPECT_FALSE(w.Editor->edtAlias->isReadOnly());
        EXPECT_FALSE(w.Request->ShowsInPart(w.Editor->edtAlias));
        // Long again, then the window closes with it shown.
        ASSERT_TRUE(sim().setValue(AliasOid, "STRING", Long));
        w.btnRefreshClick();
        ASSERT_TRUE(waitIdle(w));
        selectRow(w.lvIfxInformation, Row);
        EXPECT_TRUE(w.Request->ShowsInPart(w.Editor->edtAlias));
    }));
    ASSERT_TRUE(probe);
    const double longest = probe->LongestMs();
    probe.reset();
    RecordProperty("longest_cpu_gap_ms", std::to_string(longest));
    EXPECT_TRUE(sim().setValue(AliasOid, "STRING", before));
    // Laying 65,000 characters out takes most of a second; showing a part takes little.
    EXPECT_LT(longest, 250) << "the message loop was held " << longest << " ms of CPU time";
}

} // namespace
