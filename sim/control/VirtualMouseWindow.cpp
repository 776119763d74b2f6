#include "sim/control/VirtualMouseWindow.h"
#include "sim/control/MouseMemoryText.h"
#include "storage/ConfigStorage.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
struct FaultKind {
    const char *label;
    void (VirtualMouse::*inject)(int);
};
constexpr FaultKind kFaults[] = {
    {QT_TRANSLATE_NOOP("VirtualMouseWindow", "Drop replies"), &VirtualMouse::dropReplies},
    {QT_TRANSLATE_NOOP("VirtualMouseWindow", "All-zero replies"), &VirtualMouse::zeroReplies},
    {QT_TRANSLATE_NOOP("VirtualMouseWindow", "Corrupt reply header"), &VirtualMouse::corruptReplyHeader},
    {QT_TRANSLATE_NOOP("VirtualMouseWindow", "Corrupt reply data"), &VirtualMouse::corruptReplyData},
    {QT_TRANSLATE_NOOP("VirtualMouseWindow", "Fail writes"), &VirtualMouse::failWrites},
};
}

VirtualMouseWindow::VirtualMouseWindow(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(tr("Virtual mouse"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildConnectionBox());
    layout->addWidget(buildButtonsBox());
    layout->addWidget(buildPowerBox());
    layout->addWidget(buildFaultBox());
    m_view = new QPlainTextEdit(this);
    m_view->setReadOnly(true);
    m_view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_view->setMinimumSize(420, 320);
    layout->addWidget(new QLabel(tr("What the mouse holds:"), this));
    layout->addWidget(m_view, 1);
    connect(&virtualMouse(), &VirtualMouse::changed, this, &VirtualMouseWindow::refreshView, Qt::QueuedConnection);
    refreshView();
}

QWidget *VirtualMouseWindow::buildConnectionBox()
{
    auto *box = new QGroupBox(tr("Connection"), this);
    auto *row = new QHBoxLayout(box);
    m_receiver = new QCheckBox(tr("Receiver plugged in"), box);
    m_cable = new QCheckBox(tr("Cable plugged in"), box);
    const int attached = int(virtualMouse().attached());
    m_receiver->setChecked(attached & int(Connection::Receiver));
    m_cable->setChecked(attached & int(Connection::Cable));
    connect(m_receiver, &QCheckBox::toggled, this, [this](bool on) { setAttached(Connection::Receiver, on); });
    connect(m_cable, &QCheckBox::toggled, this, [this](bool on) { setAttached(Connection::Cable, on); });
    row->addWidget(m_receiver);
    row->addWidget(m_cable);
    // Moving the mouse fills the node's queues with movement reports.
    m_moving = new QCheckBox(tr("Moving"), box);
    m_motionRate = new QSpinBox(box);
    m_motionRate->setRange(1, SIM_MAX_MOTION_HZ);
    m_motionRate->setValue(SIM_MAX_MOTION_HZ);
    m_motionRate->setSuffix(" Hz");
    const auto applyMotion = [this] { virtualMouse().setMotionRate(m_moving->isChecked() ? m_motionRate->value() : 0); };
    connect(m_moving, &QCheckBox::toggled, this, applyMotion);
    connect(m_motionRate, qOverload<int>(&QSpinBox::valueChanged), this, applyMotion);
    row->addWidget(m_moving);
    row->addWidget(m_motionRate);
    return box;
}

QWidget *VirtualMouseWindow::buildButtonsBox()
{
    auto *box = new QGroupBox(tr("Buttons on the mouse"), this);
    auto *row = new QHBoxLayout(box);
    const struct { const char *text; void (VirtualMouse::*press)(); } buttons[] = {
        {QT_TRANSLATE_NOOP("VirtualMouseWindow", "Profile"), &VirtualMouse::pressProfileButton},
        {QT_TRANSLATE_NOOP("VirtualMouseWindow", "DPI"), &VirtualMouse::pressDpiButton},
        {QT_TRANSLATE_NOOP("VirtualMouseWindow", "Report rate"), &VirtualMouse::pressRateButton},
    };
    for (const auto &b : buttons) {
        auto *button = new QPushButton(tr(b.text), box);
        const auto press = b.press;
        connect(button, &QPushButton::clicked, this, [press] { (virtualMouse().*press)(); });
        row->addWidget(button);
    }
    return box;
}

QWidget *VirtualMouseWindow::buildPowerBox()
{
    auto *box = new QGroupBox(tr("Battery and sleep"), this);
    auto *row = new QHBoxLayout(box);
    m_millivolts = new QSpinBox(box);
    m_millivolts->setRange(3000, 4400);
    m_millivolts->setSingleStep(50);
    m_millivolts->setSuffix(" mV");
    m_millivolts->setValue(virtualMouse().batteryMillivolts());
    connect(m_millivolts, qOverload<int>(&QSpinBox::valueChanged), this,
            [](int mv) { virtualMouse().setBatteryMillivolts(mv); });
    m_charging = new QCheckBox(tr("Charging"), box);
    connect(m_charging, &QCheckBox::toggled, this, [](bool on) { virtualMouse().setCharge(on ? 1 : 0); });
    m_sleeping = new QCheckBox(tr("Asleep"), box);
    m_sleeping->setChecked(virtualMouse().sleeping());
    connect(m_sleeping, &QCheckBox::toggled, this, [](bool on) { virtualMouse().setSleeping(on); });
    row->addWidget(m_millivolts);
    row->addWidget(m_charging);
    row->addWidget(m_sleeping);
    return box;
}

QWidget *VirtualMouseWindow::buildFaultBox()
{
    auto *box = new QGroupBox(tr("Faults"), this);
    auto *row = new QHBoxLayout(box);
    m_faultKind = new QComboBox(box);
    for (const FaultKind &kind : kFaults)
        m_faultKind->addItem(tr(kind.label));
    m_faultCount = new QSpinBox(box);
    m_faultCount->setRange(1, 100);
    auto *inject = new QPushButton(tr("Inject"), box);
    connect(inject, &QPushButton::clicked, this, &VirtualMouseWindow::injectFault);
    m_failAll = new QCheckBox(tr("Every write fails"), box);
    connect(m_failAll, &QCheckBox::toggled, this, [](bool on) { virtualMouse().setFailAllWrites(on); });
    // Taken at the next open: plug the receiver in again to see the window's message.
    m_denyOpens = new QCheckBox(tr("No permission to open"), box);
    m_denyOpens->setToolTip(tr("Opens fail with EACCES, as a node without the udev rule; "
                               "plug the mouse in again for the program to open it anew"));
    m_denyOpens->setChecked(virtualMouse().deniesOpens());
    connect(m_denyOpens, &QCheckBox::toggled, this, [](bool on) { virtualMouse().setDenyOpens(on); });
    auto *clear = new QPushButton(tr("Clear"), box);
    connect(clear, &QPushButton::clicked, this, [this] {
        m_failAll->setChecked(false);
        m_denyOpens->setChecked(false);
        virtualMouse().clearFaults();
    });
    row->addWidget(m_faultKind);
    row->addWidget(m_faultCount);
    row->addWidget(inject);
    row->addWidget(m_failAll);
    row->addWidget(m_denyOpens);
    row->addWidget(clear);
    return box;
}

void VirtualMouseWindow::injectFault()
{
    const FaultKind &kind = kFaults[qBound(0, m_faultKind->currentIndex(), int(std::size(kFaults)) - 1)];
    (virtualMouse().*kind.inject)(m_faultCount->value());
}

void VirtualMouseWindow::setAttached(Connection which, bool attached)
{
    const bool now = int(virtualMouse().attached()) & int(which);
    if (now == attached)
        return;
    if (attached)
        virtualMouse().plug(which);
    else
        virtualMouse().unplug(which);
    QCheckBox *box = which == Connection::Receiver ? m_receiver : m_cable;
    if (box && box->isChecked() != attached) {
        const QSignalBlocker blocker(box);
        box->setChecked(attached);
    }
}

void VirtualMouseWindow::refreshView()
{
    m_view->setPlainText(describeMouseMemory(virtualMouse(), mouseSensor()));
}
