#include "OpenFailureCause.h"

namespace {

// The ids follow the enums' order.
static_assert(static_cast<int>(TextId::CauseEndOfFile) - static_cast<int>(TextId::CauseNone)
              == static_cast<int>(OpenFailureCause::EndOfFile));
static_assert(static_cast<int>(TextId::CauseEndOfFileBecause) - static_cast<int>(TextId::CauseNoneBecause)
              == static_cast<int>(OpenFailureCause::EndOfFile));
static_assert(static_cast<int>(TextId::ReasonNoLocks) - static_cast<int>(TextId::ReasonReadOnlyFileSystem)
              == static_cast<int>(SystemReason::NoLocks) - static_cast<int>(SystemReason::ReadOnlyFileSystem));

TextId CauseId(OpenFailureCause cause, bool because)
{
    const auto first = because ? TextId::CauseNoneBecause : TextId::CauseNone;
    const auto index = static_cast<int>(cause);
    if (index < 0 || index > static_cast<int>(OpenFailureCause::EndOfFile))
        return because ? TextId::CauseGenericBecause : TextId::CauseGeneric;
    return static_cast<TextId>(static_cast<int>(first) + index);
}

}  // namespace

CoreText ReasonText(SystemReason reason)
{
    if (reason == SystemReason::None)
        return CoreText(std::string());
    return CoreText(static_cast<TextId>(static_cast<int>(TextId::ReasonReadOnlyFileSystem) + static_cast<int>(reason)
                                        - static_cast<int>(SystemReason::ReadOnlyFileSystem)));
}

CoreText CauseText(OpenFailureCause cause, const std::string& fileName, SystemReason reason)
{
    if (reason == SystemReason::None)
        return CoreText(CauseId(cause, false), {fileName});
    return CoreText(CauseId(cause, true), {fileName, ReasonText(reason)});
}

CoreText CauseText(const FileFailure& failure, const std::string& fileName)
{
    return CauseText(failure.cause, fileName, failure.reason);
}

CoreText OpenFailureMessage(const std::string& fileName, OpenFailureCause cause, SystemReason reason)
{
    const std::string code = std::to_string(static_cast<int>(cause));
    if (reason == SystemReason::None)
        return CoreText(TextId::OpenFailed, {fileName, code});
    return CoreText(TextId::OpenFailedBecause, {fileName, code, ReasonText(reason)});
}

CoreText OpenFailureMessage(const std::string& fileName, const FileFailure& failure)
{
    return OpenFailureMessage(fileName, failure.cause, failure.reason);
}
