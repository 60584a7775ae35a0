#include "app/ConversionTexts.h"

namespace app::texts {
namespace {

const std::string kWarning = "Attenzione: ";
const std::string kInvalid = "ISO non valida: ";

// "1 traccia audio, nrg2iso la ..." or "2 tracce audio, nrg2iso le ...".
std::string Tracks(std::size_t count, const std::string& kind) {
    const bool one = count == 1;
    return std::to_string(count) + (one ? " traccia " : " tracce ") + kind + ", nrg2iso " +
           (one ? "la" : "le");
}

}  // namespace

std::string GroupedNumber(std::uint64_t value) {
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += '.';
        grouped += digits[i];
    }
    return grouped;
}

std::string OverwriteQuestion(const std::string& fileName) {
    return "Il file " + fileName + " esiste già. Sovrascriverlo?";
}

std::string WarningUnrecognised() { return kWarning + "formato NRG non riconosciuto."; }

std::string WarningUnreadable() { return kWarning + "impossibile leggere l'immagine."; }

std::string WarningNoDataTrack() {
    return kWarning + "nessuna traccia dati Mode 1 da 2048 byte, l'ISO non sarà valida.";
}

std::string WarningAudioTracks(std::size_t count) {
    return kWarning + Tracks(count, "audio") + " copierà nell'ISO come dati.";
}

std::string WarningMode2Tracks(std::size_t count) {
    return kWarning + Tracks(count, "Mode 2") + " copierà nell'ISO come Mode 1.";
}

std::string WarningDataOffset(std::uint64_t offset, std::uint64_t expected) {
    return kWarning + "i dati iniziano al byte " + GroupedNumber(offset) + " e non al byte " +
           GroupedNumber(expected) + " dove li cerca nrg2iso, l'ISO non sarà valida.";
}

std::string IsoValid(std::uint64_t size, const std::string& label) {
    return "ISO valida: " + GroupedNumber(size) + " byte, " +
           (label.empty() ? std::string("senza etichetta.") : "etichetta \"" + label + "\".");
}

std::string IsoMissing() { return kInvalid + "il file non è stato creato."; }

std::string IsoUnreadable() { return kInvalid + "il file non si può leggere."; }

std::string IsoNotIso9660() { return kInvalid + "il file non contiene un volume ISO 9660."; }

std::string IsoTruncated(std::uint64_t size, std::uint64_t declared) {
    return kInvalid + "il file è troncato, " + GroupedNumber(size) + " byte dei " + GroupedNumber(declared) +
           " dichiarati (disco pieno o conversione interrotta).";
}

std::string IsoSetAside(const std::string& newName) { return " Rinominato in " + newName + "."; }

std::string IsoNotSetAside(const std::string& newName) {
    return " Impossibile rinominarlo in " + newName + ".";
}

}  // namespace app::texts
