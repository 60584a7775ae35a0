// The program's only window: pick an NRG image, run the converter on it,
// show what the converter prints.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/DOSOutputs.h"
#include "host/Form.h"

namespace host {
class FileLease;
class TextBox;
}  // namespace host
namespace control {
class raReruri;
}  // namespace control

namespace app {

class frmDOSOutput {
public:
    // Builds the window from its form description; Show loads and opens it.
    frmDOSOutput();
    // Whatever ends the window ends it through query-unload.
    ~frmDOSOutput();
    frmDOSOutput(const frmDOSOutput&) = delete;
    frmDOSOutput& operator=(const frmDOSOutput&) = delete;

    void Show() { form_.Show(); }
    host::Form& Form() { return form_; }
    // Prepares an image named outside the window (the command line, the file
    // manager) exactly as if it had been chosen in the open dialog. False
    // when it was not prepared.
    bool OpenFile(const std::string& path);

    // Where the converter is written out: the program's folder.
    static std::string ConverterPath();
    // The converter the command line names: the written-out file by its full
    // path, or "nrg2iso" through the search path when it was not written.
    std::string ConverterCommand() const;

    host::TextBox& txtCommand() const;
    host::TextBox& txtOutput() const;
    host::TextBox& txtComando() const;
    host::TextBox& txtOutputs() const;
    control::raReruri& cmdOpen() const;
    control::raReruri& cmdExecute() const;
    control::raReruri& cmdExit() const;
    DOSOutputs* objDOS() const { return objDOS_.get(); }

    std::string LastFileName;  // name and extension of the last chosen source
    std::string LastFolder;    // its folder, where the next dialog starts

private:
    void Form_Load();
    void Form_QueryUnload(bool& cancel, host::UnloadMode mode);
    void cmdOpen_Click();
    void Form_OLEDragDrop(const std::vector<std::string>& files);
    // False, with the reason shown, when the path cannot be read.
    bool PrepareSource(const std::string& path);
    void cmdExecute_Click();
    void cmdExit_Click();
    void objDOS_ReceiveOutputs(const std::string& CommandOutputs);
    void txtOutputs_Change();
    int DialogPositionMode() const { return 4; }  // next to the mouse pointer

    // The checks around a run (frmDOSOutputChecks.cpp).
    void ShowImageWarnings(const std::string& image);
    bool MayWriteDestination();  // asks before replacing a file; false on No
    void ShowResult();
    void AppendLine(const std::string& line);

    host::Form form_;
    std::unique_ptr<DOSOutputs> objDOS_;
    std::string preparedDestination_;  // the ISO the prepared command writes
    bool destinationExisted_ = false;
    // Held from load to unload, so another copy of the program in the same
    // folder keeps the converter it shares with this one.
    std::unique_ptr<host::FileLease> converterLease_;
    bool converterWritten_ = false;
};

}  // namespace app
