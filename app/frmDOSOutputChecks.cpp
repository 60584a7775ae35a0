// The window's checks around a run: warnings about the image when it is
// chosen, a question before an existing file is replaced, and the verdict on
// the ISO afterwards. The converter's own output stays as it is; these lines
// stand beside it.
#include <filesystem>

#include "app/ConversionReport.h"
#include "app/ConversionTexts.h"
#include "app/ImageWarnings.h"
#include "app/frmDOSOutput.h"
#include "host/MsgBox.h"
#include "host/TextBox.h"

namespace app {

void frmDOSOutput::AppendLine(const std::string& line) {
    const std::string& text = txtOutputs().Text();
    const bool atLineStart = text.empty() || text.back() == '\n';
    txtOutputs().AppendText((atLineStart ? "" : "\r\n") + line + "\r\n");
}

void frmDOSOutput::ShowImageWarnings(const std::string& image) {
    for (const std::string& warning : ImageWarningsForFile(image)) AppendLine(warning);
}

bool frmDOSOutput::MayWriteDestination() {
    destinationExisted_ = !preparedDestination_.empty() && PathTaken(preparedDestination_);
    if (!destinationExisted_) return true;
    const std::string name = std::filesystem::path(preparedDestination_).filename().string();
    return host::MsgBox(texts::OverwriteQuestion(name),
                        host::vbYesNo | host::vbQuestion | host::vbDefaultButton2) == host::vbYes;
}

void frmDOSOutput::ShowResult() {
    if (preparedDestination_.empty()) return;
    AppendLine(ReportOnResult(preparedDestination_, destinationExisted_));
}

}  // namespace app
