#include "device/WriteTransaction.h"
#include "device/SendCommand.h"
#include "storage/ConfigStorage.h"
#include "storage/MacroFiles.h"
#include <QSet>

namespace {

// What change detection counts as a button change besides the records.
void clearPlayedMacroMarks(const MouseSettings &settings)
{
    QSet<QString> seen;
    for (const ProfileData &profile : settings.profiles) {
        for (const ButtonInfo &button : profile.buttonInfo) {
            if (button.fun != FunMacro || button.macroName.isEmpty() || seen.contains(button.macroName))
                continue;
            seen.insert(button.macroName);
            if (readWriteSign(button.macroName) != 0)
                clearWriteSign(button.macroName);
        }
    }
}

} // namespace

WriteTransaction::WriteTransaction(const MouseSettings &working, const MouseSettings &applied, bool writeAll,
                                   DownloadLinks links)
    : m_working(working), m_links(std::move(links)), m_storedDiff(readDiffFlag())
{
    m_differing = writeAll || m_storedDiff == 1 ? ChangeAll : diffSettings(working, applied);
}

void WriteTransaction::storeDiff(int diff)
{
    if (diff == m_storedDiff)
        return;
    if (writeDiffFlag(diff))
        m_storedDiff = diff;
    else
        m_diffSaved = false;
}

bool WriteTransaction::save()
{
    const bool saved = saveSettings(m_working);
    // Until a download sends them, the files hold what the mouse may lack.
    if (m_differing != 0)
        storeDiff(1);
    return saved;
}

int WriteTransaction::send(int flags)
{
    if (flags == 0)
        return DeviceOk;
    // A download that stops half-way leaves the mouse between begin and end write.
    storeDiff(1);
    const int result = m_download ? m_download(m_working, flags) : applyAllSettings(m_working, flags, m_links);
    if (result != DeviceOk)
        return result;
    if (flags & ChangeButtons)
        clearPlayedMacroMarks(m_working);
    if ((m_differing & ~flags) == 0)
        storeDiff(0);
    return result;
}
