// The upload: start, and what happens between reading the unit and writing to it, and after.
#include "shell/app_error.h"
#include "shell/latin1.h"
#include "shell/prompter.h"
#include "transfer/protected_locations.h"
#include "transfer/transfer_host.h"
#include "transfer/transfer_view.h"
#include "transfer_engine.h"

#include <span>

namespace tarnwick {

namespace {

constexpr qsizetype kPasswordLength = 4;
// Where the passwords lie in the memory: 4 character codes each.
constexpr std::size_t kMasterPasswordOffset = 960;
constexpr std::size_t kUserPasswordOffset = 966;

std::uint8_t& byteAt(BlockBuffer& blocks, std::size_t offset) {
    return blocks[offset / kBlockSize][offset % kBlockSize];
}

void putPassword(BlockBuffer& blocks, std::size_t offset, const QString& password) {
    for (qsizetype i = 0; i < kPasswordLength; ++i) {
        byteAt(blocks, offset + static_cast<std::size_t>(i)) = singleByteCode(password[i]);
    }
}

bool isCalibrationBlock(std::uint8_t block) {
    return block >= kFirstCalibrationBlock && block <= kLastCalibrationBlock;
}

} // namespace

void TransferEngine::UploadStavik(bool blnChangePass, bool blnRestoreCalib,
                                  const QString& strNewMstr, const QString& strNewUsr,
                                  const QString& strOldMstr) {
    if (m_phase != Phase::Loaded) {
        return;
    }
    if (blnChangePass &&
        (strNewMstr.size() != kPasswordLength || strNewUsr.size() != kPasswordLength)) {
        throw AppError::standard(ErrorNumber::InvalidArgument,
                                 QStringLiteral("new passwords need 4 characters"));
    }
    m_state.ChangePasswords = blnChangePass;
    m_state.RestoreCalibration = blnRestoreCalib;
    m_state.NewMasterPassword = strNewMstr;
    m_state.NewUserPassword = strNewUsr;
    m_state.OldMasterPassword = strOldMstr;
    begin(false, [this] { uploadStartTick(); });
}

void TransferEngine::PreviewUpload(bool blnChangePass, bool blnRestoreCalib,
                                   const QString& strNewMstr, const QString& strNewUsr,
                                   const QString& strOldMstr) {
    if (m_phase != Phase::Loaded) {
        return;
    }
    m_state.DryRun = true;
    UploadStavik(blnChangePass, blnRestoreCalib, strNewMstr, strNewUsr, strOldMstr);
}

// The protected locations are checked before the link opens: without them the upload would
// overwrite the unit's calibration and firmware bytes with the image's.
void TransferEngine::uploadStartTick() {
    if (const auto problem = protectedLocationsFileProblem(m_host.protectedLocationsPath())) {
        Fail(QStringLiteral("The upload will be canceled: the locations that keep the Stavik's "
                            "own values cannot be read.\r\n") +
             *problem);
        return;
    }
    for (std::size_t b = 0; b < kBlockCount; ++b) {
        m_state.UploadImage[b] = blockOf(m_image, b);
    }
    startTick();
}

void TransferEngine::FinishUpload() {
    m_view.setProgressText(QStringLiteral("Checking for missing data..."));
    FillMissingBlocks();
}

void TransferEngine::prepareUpload() {
    m_phase = Phase::Completing;
    KeepProtectedLocations();
    if (m_state.ChangePasswords && !ApplyPasswordChange()) {
        const bool goOn = m_prompter.askYesNo(
            QStringLiteral("Unable to change password(s). The Master Password you entered is "
                           "incorrect.\r\nDo you want to continue with the upload (the "
                           "password(s) will not be changed)?"),
            QStringLiteral("Change password failed"));
        // The upload may have failed or been cancelled while the question was open.
        if (m_phase != Phase::Completing) {
            return;
        }
        if (!goOn) {
            Fail(QString());
            return;
        }
    }
    BuildChangeList();
    if (m_state.DryRun) {
        finishWith(QStringLiteral("Upload preview complete. Nothing was written."),
                   QStringLiteral("Upload preview"),
                   [this] { m_host.uploadCompleted(std::nullopt); });
        return;
    }
    if (m_state.ChangedBlocks.empty()) {
        // Nothing written: no restart and no new synchronisation date.
        completeUpload(std::nullopt);
        return;
    }
    m_view.setProgressText(QStringLiteral("Uploading new settings..."));
    m_view.repaintNow();
    WriteChangedBlocks();
}

void TransferEngine::KeepProtectedLocations() {
    const ProtectedLocations locations = readProtectedLocations(m_host.protectedLocationsPath());
    for (const ProtectedLocation& at : locations) {
        if (!m_state.RestoreCalibration || !isCalibrationBlock(at.block)) {
            m_state.UploadImage[at.block][at.byte] = m_blocks[at.block][at.byte];
        }
    }
}

bool TransferEngine::ApplyPasswordChange() {
    const Block& unitBlock = m_blocks[kMasterPasswordOffset / kBlockSize];
    const QString unitMaster = fromSingleByte(
        std::span(unitBlock).subspan(kMasterPasswordOffset % kBlockSize, kPasswordLength));
    if (unitMaster != m_state.OldMasterPassword) {
        return false;
    }
    putPassword(m_state.UploadImage, kMasterPasswordOffset, m_state.NewMasterPassword);
    putPassword(m_state.UploadImage, kUserPasswordOffset, m_state.NewUserPassword);
    return true;
}

void TransferEngine::BuildChangeList() {
    m_state.ChangedBlocks.clear();
    for (std::size_t b = 0; b < kBlockCount; ++b) {
        if (m_state.UploadImage[b] != m_blocks[b]) {
            m_state.ChangedBlocks.push_back(static_cast<std::uint8_t>(b));
        }
    }
    const int count = static_cast<int>(m_state.ChangedBlocks.size());
    m_view.setTotalMaximum(kLastBlock + 2 * count);
    // The read sweep left pbrTotal at its last block.
    m_totalValue = kLastBlock;
    m_statusValue = 0;
    m_view.setStatusValue(0);
    if (count > 0) {
        m_view.setStatusMaximum(count);
    } else {
        m_view.setStatusMaximum(1);
        m_view.setStatusValue(1);
    }
}

void TransferEngine::completeUpload(const std::optional<QDateTime>& syncTime) {
    finishWith(QStringLiteral("Upload complete."), QStringLiteral("Upload complete"),
               [this, syncTime] { m_host.uploadCompleted(syncTime); });
}

} // namespace tarnwick
