#include "formats/input_catalogue.h"

#include <utility>

#include "settings/product_formats.h"
#include "texts/text_table.h"

namespace ravelin {

namespace {

struct FormatGroup {
    std::vector<const char*> extensions;
    const char* formatKey;
    const char* description;
};

std::vector<InputFormat> BuildCatalogue() {
    const FormatGroup groups[] = {
        {{"bmp", "rle", "dib"}, "bmp", "Windows or OS/2 Bitmap"},
        {{"dds"}, "dds", "DirectDraw Surface File"},
        {{"emf", "emz"}, "emf", "Enhanced Metafile Format"},
        {{"gif"}, "gif", "GIF File"},
        {{"hdr", "hdri"}, "hdr", "High Dynamic Range File"},
        {{"ico"}, "ico", "Windows Icon"},
        {{"jpg", "jpeg", "jpe", "jif"}, "jpg", "JPEG File"},
        {{"pcd", "pcd1", "pcds", "ppcd"}, "pcd", "Kodak PhotoCD File"},
        {{"pcx"}, "pcx", "ZSoft Paintbrush File"},
        {{"pic", "pict", "pct"}, "pic", "Macintosh PICT"},
        {{"png"}, "png", "Portable Network Graphics"},
        {{"psd"}, "psd", "Adobe Photoshop File"},
        {{"tga", "targa"}, "tga", "Truevision Targa"},
        {{"tiff", "tif"}, "tiff", "Tagged Image File Format"},
        {{"wmf", "wmz"}, "wmf", "Windows Metafile Format"},
        {{"apm"}, "wmf", "Aldus Placeable Metafile"},
        {{"raw", "raw1", "raw2"}, "raw", "Camera RAW Image"},
        {{"3fr"}, "raw", "Hasselblad Camera RAW Image"},
        {{"arw", "sr2", "srf"}, "raw", "Sony Camera RAW Image"},
        {{"bay"}, "raw", "Casio Camera RAW Image"},
        {{"bmq"}, "raw", "NuCore RAW Image"},
        {{"cap", "iiq", "eip"}, "raw", "Phase One Camera RAW Image"},
        {{"cine"}, "raw", "Phantom RAW Image"},
        {{"cr2", "crw"}, "raw", "Canon Camera RAW Image"},
        {{"cs1"}, "raw", "Capture Shop RAW Image"},
        {{"dc2", "dcr", "drf", "dsc", "k25", "kc2", "kdc", "dcs"}, "raw", "Kodak Camera RAW Image"},
        {{"dng"}, "raw", "Adobe Digital Negative Image"},
        {{"erf"}, "raw", "Epson Camera RAW Image"},
        {{"fff"}, "raw", "Imacon Camera RAW Image"},
        {{"ia", "sti"}, "raw", "Sinar RAW Image"},
        {{"mdc", "mrw"}, "raw", "Minolta Camera RAW Image"},
        {{"mef", "mos"}, "raw", "Mamiya Camera RAW Image"},
        {{"nef", "nrw"}, "raw", "Nikon Camera RAW Image"},
        {{"orf"}, "raw", "Olympus Camera RAW Image"},
        {{"pef", "ptx"}, "raw", "Pentax Camera RAW Image"},
        {{"pxn"}, "raw", "Logitech Camera RAW Image"},
        {{"qtk"}, "raw", "Apple Quicktake Camera RAW Image"},
        {{"raf"}, "raw", "Fuji Camera RAW Image"},
        {{"rdc"}, "raw", "Digital Foto Maker RAW Image"},
        {{"rw2"}, "raw", "Panasonic Camera RAW Image"},
        {{"rwz"}, "raw", "Rawzor Camera RAW Image"},
        {{"x3f"}, "raw", "Sigma Camera RAW Image"},
        {{"ari"}, "raw", "ARRI RAW Image"},
        {{"r3d"}, "raw", "RED RAW Image"},
        {{"rwl"}, "raw", "Leica Camera RAW Image"},
    };
    std::vector<InputFormat> catalogue;
    for (const FormatGroup& group : groups) {
        for (const char* extension : group.extensions) {
            catalogue.push_back({extension, group.formatKey, group.description});
        }
    }
    return catalogue;
}

// One filter entry per description, in the order descriptions first appear.
struct FilterEntry {
    std::string description;
    std::string patterns;
};

// Label|patterns|... with the supported-files entry first and the any-file entry last.
std::string JoinFilter(const std::string& allPatterns, const std::vector<FilterEntry>& entries) {
    std::string filter = Text("Dialog", "All Supported Files") + "|" + allPatterns + "|";
    for (const FilterEntry& entry : entries) filter += entry.description + "|" + entry.patterns + "|";
    return filter + Text("Dialog", "All Files") + " (*.*)|*.*";
}

}  // namespace

const std::vector<InputFormat>& InputCatalogue() {
    static const std::vector<InputFormat> catalogue = BuildCatalogue();
    return catalogue;
}

const InputFormat* FindInputFormat(std::string_view extension) {
    for (const InputFormat& format : InputCatalogue()) {
        if (format.extension == extension) return &format;
    }
    return nullptr;
}

std::vector<std::string> AcceptedInputExtensions(std::span<const std::string_view> formatKeys) {
    std::vector<std::string> accepted;
    for (const std::string_view key : formatKeys) {
        for (const InputFormat& format : InputCatalogue()) {
            if (format.formatKey == key) accepted.push_back(format.extension);
        }
    }
    return accepted;
}

std::vector<std::string> AcceptedInputExtensions() {
    return AcceptedInputExtensions(InputExtensions);
}

std::string InputFileFilter(const std::vector<std::string>& acceptedExtensions) {
    std::string allPatterns;
    std::vector<FilterEntry> entries;
    for (const std::string& extension : acceptedExtensions) {
        const std::string pattern = "*." + extension;
        allPatterns += pattern + ";";
        // An extension the catalogue does not describe still counts among the supported files.
        const InputFormat* format = FindInputFormat(extension);
        if (format == nullptr) continue;
        FilterEntry* entry = nullptr;
        for (FilterEntry& candidate : entries) {
            if (candidate.description == format->description) entry = &candidate;
        }
        if (entry == nullptr) {
            entries.push_back({format->description, pattern});
        } else {
            entry->patterns = pattern + ";" + entry->patterns;  // the newest extension comes first
        }
    }
    if (!allPatterns.empty()) allPatterns.pop_back();
    return JoinFilter(allPatterns, entries);
}

std::string InputFileFilter() {
    return InputFileFilter(AcceptedInputExtensions());
}

std::string WatermarkImageFilter() {
    const std::vector<FilterEntry> entries = {
        {"JPEG File", "*.jpg;*.jpeg;*.jpe;*.jif"},
        {"Portable Network Graphics", "*.png"},
        {"Windows or OS/2 Bitmap", "*.bmp;*.rle;*.dib"},
    };
    std::string allPatterns;
    for (const FilterEntry& entry : entries) allPatterns += (allPatterns.empty() ? "" : ";") + entry.patterns;
    return JoinFilter(allPatterns, entries);
}

}  // namespace ravelin
