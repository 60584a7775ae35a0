#include "app/frmDOSOutput.h"

#include "app/ConverterCommandLine.h"
#include "app/mGeneralFunctions.h"
#include "app/modApiCommon.h"
#include "app/modApiCommonDialog.h"
#include "control/raReruri.h"
#include "host/App.h"
#include "host/FileLease.h"
#include "host/Files.h"
#include "host/FormDescription.h"
#include "host/MsgBox.h"
#include "host/Resources.h"
#include "host/RuntimeError.h"
#include "host/TextBox.h"
#include "resources/Resources.h"

namespace app {

frmDOSOutput::frmDOSOutput() {
    host::AddResources(corvalmire::EmbeddedResources());
    control::raReruri::RegisterFormKind();
    const auto description = host::LoadResData(corvalmire::kResMainForm, "FORM");
    host::LoadFormDescription(form_, std::string(description.begin(), description.end()));

    form_.oleDropMode = host::OLEDropMode::Manual;
    form_.Load.Connect([this] { Form_Load(); });
    form_.QueryUnload.Connect(
        [this](bool& cancel, host::UnloadMode mode) { Form_QueryUnload(cancel, mode); });
    form_.OLEDragDrop.Connect([this](const std::vector<std::string>& files) { Form_OLEDragDrop(files); });
    cmdOpen().Click.Connect([this] { cmdOpen_Click(); });
    cmdExecute().Click.Connect([this] { cmdExecute_Click(); });
    cmdExit().Click.Connect([this] { cmdExit_Click(); });
    txtOutputs().Change.Connect([this] { txtOutputs_Change(); });
}

frmDOSOutput::~frmDOSOutput() { form_.Unload(host::UnloadMode::AppWindows); }

host::TextBox& frmDOSOutput::txtCommand() const { return form_.TextBoxNamed("txtCommand"); }
host::TextBox& frmDOSOutput::txtOutput() const { return form_.TextBoxNamed("txtOutput"); }
host::TextBox& frmDOSOutput::txtComando() const { return form_.TextBoxNamed("txtComando"); }
host::TextBox& frmDOSOutput::txtOutputs() const { return form_.TextBoxNamed("txtOutputs"); }
control::raReruri& frmDOSOutput::cmdOpen() const { return control::raReruri::OnForm(form_, "cmdOpen"); }
control::raReruri& frmDOSOutput::cmdExecute() const { return control::raReruri::OnForm(form_, "cmdExecute"); }
control::raReruri& frmDOSOutput::cmdExit() const { return control::raReruri::OnForm(form_, "cmdExit"); }

std::string frmDOSOutput::ConverterPath() { return AddBackslash(host::App().Path()) + "nrg2iso.exe"; }

// A folder whose name holds a quote cannot be named on a command line.
std::string frmDOSOutput::ConverterCommand() const {
    const bool nameable = ConverterPath().find('"') == std::string::npos;
    return converterWritten_ && nameable ? ConverterPath() : "nrg2iso";
}

void frmDOSOutput::Form_Load() {
    objDOS_ = std::make_unique<DOSOutputs>();
    objDOS_->ReceiveOutputs.Connect([this](const std::string& chunk) { objDOS_ReceiveOutputs(chunk); });
    converterLease_ = std::make_unique<host::FileLease>(ConverterPath());
    // In a folder where others could swap the file, a program we write out
    // might not be the one we run: the search path supplies the converter.
    converterWritten_ = host::FolderGuardsItsFiles(host::App().Path()) &&
                        GenFileFromRes(ConverterPath(), corvalmire::kResConverter, "files", true);
}

void frmDOSOutput::Form_QueryUnload(bool&, host::UnloadMode) {
    // Deleted by the last copy of the program to close; a converter that is
    // already gone, or cannot be deleted, does not stop the window closing.
    if (converterLease_) converterLease_->Release();
    converterLease_.reset();
}

void frmDOSOutput::cmdOpen_Click() {
    const std::string filter = AddFileFilter("", "Nero files (*.nrg)", "*.nrg");
    SetDialogPosition(DialogPositionMode(), 30);
    // The next dialog starts in the folder of the last chosen file.
    const std::string initial = LastFolder + LastFileName;
    bool chosen = false;
    const std::string path =
        ShowFileDialog(form_, true, "Apri File NRG di Nero", initial, filter, 1, ".nrg", nullptr, &chosen);
    // A cancelled dialog hands back the name it was given, which is not a choice.
    if (!chosen || path.empty()) {
        host::MsgBox("Operazione annullata", host::vbOKOnly);
        return;
    }
    PrepareSource(path);
}

bool frmDOSOutput::OpenFile(const std::string& path) {
    if (!form_.Loaded() || form_.Busy()) return false;
    // The open dialog accepts no missing file; named outside it, one gets
    // the dialog's own words.
    if (!host::FileExists(path)) {
        host::MsgBox(path + "\nFile non trovato.\nVerificare che il nome del file sia corretto.",
                     host::vbOKOnly);
        return false;
    }
    return PrepareSource(path);
}

void frmDOSOutput::Form_OLEDragDrop(const std::vector<std::string>& files) {
    if (files.empty() || !OpenFile(files.front())) return;
    if (files.size() > 1) {
        AppendLine("Si converte un file alla volta: è pronto il primo dei " + std::to_string(files.size()) +
                   " file rilasciati.");
    }
}

bool frmDOSOutput::PrepareSource(const std::string& path) {
    const std::string source = GetShortPath(path);
    // Without it the command would get an empty source and a bare ".iso".
    if (source.empty()) {
        host::MsgBox("Impossibile leggere il percorso del file", host::vbOKOnly);
        return false;
    }
    LastFileName = GetPathFileName(path);
    LastFolder = GetPathFolder(path);
    txtCommand().SetText(source);
    txtOutput().SetText(source + ".iso");
    txtOutputs().SetText("");
    ShowImageWarnings(path);
    preparedDestination_ = txtOutput().Text();
    // Paths that would split into several arguments are quoted.
    txtComando().SetText(ConverterCommandLine(ConverterCommand(), txtCommand().Text(), txtOutput().Text()));
    cmdExecute().SetValue(true);
    return true;
}

void frmDOSOutput::cmdExecute_Click() {
    if (txtCommand().Text().empty()) {
        host::MsgBox("nessun file selezionato per la conversione", host::vbOKOnly);
        return;
    }
    if (!MayWriteDestination()) {
        host::MsgBox("Operazione annullata", host::vbOKOnly);
        return;
    }
    try {
        // The window takes no input while the converter runs.
        host::Form::BusyScope busy(form_);
        objDOS_->CommandLine(txtComando().Text());
        objDOS_->ExecuteCommand();
        ShowResult();
        txtCommand().SetText("");
        txtOutput().SetText("");
    } catch (const host::RuntimeError& e) {
        host::MsgBox(e.Description() + " - " + e.Source() + " - " + std::to_string(e.Number()),
                     host::vbOKOnly);
    } catch (const std::exception& e) {
        // Anything else is reported as the runtime's own "internal error".
        host::MsgBox(std::string(e.what()) + " - Corvalmire - 51", host::vbOKOnly);
    }
}

void frmDOSOutput::cmdExit_Click() {
    objDOS_.reset();
    form_.Unload(host::UnloadMode::FormCode);
}

void frmDOSOutput::objDOS_ReceiveOutputs(const std::string& CommandOutputs) {
    txtOutputs().AppendText(CommandOutputs);
    // The loop does not run during a conversion: paint the new output now.
    txtOutputs().Refresh();
}

void frmDOSOutput::txtOutputs_Change() { txtOutputs().SetSelStart(txtOutputs().Text().size()); }

}  // namespace app
