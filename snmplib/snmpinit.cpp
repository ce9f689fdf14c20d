#include "snmplib/snmpinit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "snmplib/engine/bootcounter.h"
#include "snmplib/engine/snmp.h"
#include "snmplib/engine/snmperrs.h"
#include "snmplib/request.h"
#include "snmplib/snmperror.h"
#include "snmplib/utils.h"

// The defaults record first, so that it outlives the event processor.
VhSNMPDefaultsRecord VhSNMPDefaults;
_SnmpEventProcessor SnmpEventProcessor;

namespace {

const char* const EngineIdText = "VhSNMP_PP_Application";
const char* const BootCounterFileName = "VhSNMP_PP_BootCounter";

// Never deleted: replies may still be owed to requests that live as long as the program.
Snmp* Engine = nullptr;

} // namespace

Snmp* VhSNMPSession() { return Engine; }

void VhSNMPProcessEvents()
{
    if (Engine)
        SNMPProcessPendingEvents();
}

bool PumpWhile(const std::function<bool()>& condition, int timeoutMs)
{
    if (!condition())
        return true;
    if (!QCoreApplication::instance())
        return false;
    // Inside a completion the library's event timer and the reply notifier that is being
    // served are idle: this timer keeps the engine going and wakes the loop.
    QTimer pump;
    QObject::connect(&pump, &QTimer::timeout, [] { VhSNMPProcessEvents(); });
    pump.start(_SnmpEventProcessor::Interval);
    QElapsedTimer clock;
    clock.start();
    while (condition() && (timeoutMs < 0 || clock.elapsed() < timeoutMs))
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return !condition();
}

void VhSNMPInit(const std::string& directory)
{
    if (!Engine) {
        int status = SNMP_CLASS_ERROR;
        auto* engine = new Snmp(status, 0);
        if (status != SNMP_CLASS_SUCCESS) {
            delete engine;
            RaiseSnmpError(VHSNMP_ERR_CREATE_SESSION);
        }
        Engine = engine;
    }

    const OctetStr engineId(EngineIdText);
    const std::string file = MakeFilePath(directory, BootCounterFileName);
    unsigned int boots = 0;
    // Found, no line for this engine, or no file: all start from what was read (0 if nothing).
    if (getBootCounter(file.c_str(), engineId, boots) < SNMPv3_FILEOPEN_ERROR)
        RaiseSnmpError(VHSNMP_ERR_LOAD_BOOTS);
    ++boots;
    if (saveBootCounter(file.c_str(), engineId, boots) != SNMPv3_OK)
        RaiseSnmpError(VHSNMP_ERR_SAVE_BOOTS);
    mpInit(*Engine, engineId, boots);

    VhSNMPDefaults = VhSNMPDefaultsRecord{};
    SnmpEventProcessor.Start();
}

// ---- Event processor ------------------------------------------------------------------

_SnmpEventProcessor::~_SnmpEventProcessor()
{
    // Normally gone with the application object already.
    if (Timer) {
        Timer->stop();
        delete Timer.data();
    }
}

void _SnmpEventProcessor::Start()
{
    Running = true;
    if (!Timer) {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app)
            return;
        Timer = new QTimer(app);
        Timer->setInterval(Interval);
        QObject::connect(Timer.data(), &QTimer::timeout, Timer.data(), [this] { OnTimer(); });
        SNMPSetActivityHook([] { SnmpEventProcessor.Wake(); });
    }
    Timer->start();
}

void _SnmpEventProcessor::Stop()
{
    Running = false;
    if (Timer)
        Timer->stop();
}

bool _SnmpEventProcessor::Active() const { return Running && Timer; }

bool _SnmpEventProcessor::Ticking() const { return Timer && Timer->isActive(); }

void _SnmpEventProcessor::Wake()
{
    // Inside the handler the timer is started again as the handler ends.
    if (Running && Timer && !InHandler && !Timer->isActive())
        Timer->start();
}

void _SnmpEventProcessor::Rest()
{
    // Inside the handler the timer is restarted, or not, as the handler ends.
    if (Timer && !InHandler && Timer->isActive() && !SNMPRequestsOutstanding())
        Timer->stop();
}

void _SnmpEventProcessor::OnTimer()
{
    if (!Timer)
        return;
    QPointer<QTimer> timer = Timer;
    timer->stop();
    // Enabled again however the completions end (an exception goes on to the message loop),
    // while anything is outstanding; otherwise it sleeps until the next request.
    struct Restart {
        QPointer<QTimer>& T;
        const bool& Wanted;
        bool& InHandler;
        ~Restart()
        {
            InHandler = false;
            if (T && Wanted && SNMPRequestsOutstanding())
                T->start();
        }
    } restart{timer, Running, InHandler};
    InHandler = true;
    VhSNMPProcessEvents();
}

// ---- Reply delivery -------------------------------------------------------------------

void SnmpAsyncCallback(int reason, Snmp*, Pdu& pdu, SnmpTarget& target, void* data)
{
    // The block is freed first: nothing of it is needed once the handler runs, and the
    // handler's completion may delete the request.
    std::unique_ptr<VhSNMPReplyBlock> block(static_cast<VhSNMPReplyBlock*>(data));
    if (!block)
        return;
    VhSNMPRequest* request = block->Request;
    const auto handler = block->Handler;
    const uint8_t operation = block->Operation;
    const VhSNMPCompletion completion = std::move(block->Completion);
    block.reset();
    if (request && handler)
        (request->*handler)(reason, pdu, target, operation, completion);
    SnmpEventProcessor.Rest();
}
