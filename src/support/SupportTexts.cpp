#include "support/SupportTexts.h"

#include <array>

namespace brelvan::support {

namespace {

constexpr std::array kTexts = std::to_array<TextPair>({
    // ---- Reasons of a file operation (they follow "... kann nicht gelesen werden: ")
    {"sie existiert nicht", "it does not exist"},
    {"keine Berechtigung", "permission denied"},
    {"es ist ein Ordner", "it is a folder"},
    {"ein Teil des Pfades ist kein Ordner", "a part of the path is not a folder"},
    {"der Name ist zu lang", "the name is too long"},
    {"zu viele symbolische Verknüpfungen", "too many symbolic links"},
    {"das Dateisystem ist schreibgeschützt", "the file system is read-only"},
    {"auf dem Datenträger ist kein Platz mehr", "there is no space left on the disk"},
    {"das Speicherkontingent ist erschöpft", "the disk quota is exhausted"},
    {"Ein-/Ausgabefehler des Datenträgers", "input/output error of the disk"},
    {"zu viele offene Dateien", "too many open files"},
    {"sie ist in Gebrauch", "it is in use"},
    {"sie liegt auf einem anderen Datenträger", "it lies on another disk"},
    {"sie ist zu groß", "it is too large"},
    {"das Gerät ist nicht verfügbar", "the device is not available"},
    {"Systemfehler %d", "system error %d"},
    {"%s Bytes", "%s bytes"},
    {"sie ist größer als %s und damit keine Datei dieses Programms",
     "it is larger than %s and so no file of this program"},
    {"kein Dateiname", "no file name"},
    {"sie ist keine gewöhnliche Datei (ein Gerät, eine FIFO oder ein Socket) und wird nicht "
     "ersetzt",
     "it is not a regular file (a device, a FIFO or a socket) and is not replaced"},
    {"sie ist schreibgeschützt", "it is read-only"},
    {"ihren Ordner gibt es nicht", "its folder does not exist"},
    {"ihr Ordner ist nicht zugänglich: %s", "its folder is not accessible: %s"},
    {"ihr Ordner ist schreibgeschützt", "its folder is read-only"},
    {"in ihrem Ordner kann keine Datei angelegt werden: %s",
     "no file can be created in its folder: %s"},
    {"beim Schreiben: %s", "while writing: %s"},
    {"die Datei kann nicht ersetzt werden: %s", "the file cannot be replaced: %s"},
    // ---- Pressure lines
    {"Gp-Wert", "Gp value"},
    {"Druckwert", "pressure value"},
    {"Wp-Wert", "Wp value"},
    {"Der %s „%s“ ist keine gültige Zahl", "The %s “%s” is not a valid number"},
    {"Der %s „%s“ ist keine endliche Zahl", "The %s “%s” is not a finite number"},
    {"Der %s „%s“ liegt außerhalb jedes möglichen Wertes",
     "The %s “%s” lies outside any possible value"},
    {"Der Wp-Wert darf nicht negativ sein", "The Wp value must not be negative"},
});

const Catalogue kCatalogue(kTexts);

} // namespace

const Catalogue& catalogue() {
    return kCatalogue;
}

const char* tx(const char* german) {
    return kCatalogue(german);
}

std::string_view tx(std::string_view german) {
    return kCatalogue(german);
}

} // namespace brelvan::support
