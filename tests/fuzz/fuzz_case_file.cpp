// A case file: read into a document; a case that reads is confirmed and computed as
// "brelvan-cli bericht" does.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzUi.h"
#include "document/Archive.h"
#include "document/CBrelvanDoc.h"
#include "document/DocumentCommands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzUi ui;
    CBrelvanDoc doc;
    doc.setUserInterface(&ui);
    doc.OnNewDocument();
    ByteReader ar(data, size);
    if (!doc.Serialize(ar))
        return 0;
    // Every stored field is written back as it was read.
    ByteWriter again;
    doc.Serialize(again);
    ByteReader back(again.bytes().data(), again.bytes().size());
    CBrelvanDoc copy;
    if (!copy.Serialize(back))
        __builtin_trap();
    doc.OnDataChange();
    (void)brelvan::reportFileText(doc);
    return 0;
}
