#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "Text.h"

namespace fw {

class PictureData;

// A loaded image. Opaque to the program.
class Picture {
public:
    explicit Picture(std::shared_ptr<const PictureData> data);
    const PictureData& Data() const { return *data_; }

private:
    std::shared_ptr<const PictureData> data_;
};

// Everything whose effect reaches outside the process. The framework calls
// these only through the current Services object, so tests can answer them.
class Services {
public:
    virtual ~Services() = default;
    // The platform colour dialog, titled with the prompt, opened on colour.
    // Returns false on Cancel, leaving colour as passed in.
    virtual bool SelectColor(Color& colour, std::string_view prompt) = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
    virtual std::string ClipboardText() = 0;
    virtual void Beep() = 0;
    virtual void ShowURL(std::string_view address) = 0;
    // The running program's own file.
    virtual std::filesystem::path ApplicationFile() = 0;
    // Null when the file is missing or is not a readable picture.
    virtual std::shared_ptr<Picture> OpenAsPicture(const std::filesystem::path& file) = 0;
};

// The platform's own services: the real dialog, clipboard, sound, browser
// and files.
Services& PlatformServices();
// The current services; the platform's own unless a test installed others.
Services& CurrentServices();
// Installs replacement services (tests); null restores the platform's own.
void InstallServices(Services* services);

bool SelectColor(Color& colour, std::string_view prompt);
void Beep();
void ShowURL(std::string_view address);
// No control keeps the keyboard focus.
void ClearFocus();

class Clipboard {
public:
    std::string Text() const;
    void SetText(const std::string& text);
};

// A file or folder by path; it need not exist.
class FolderItem {
public:
    explicit FolderItem(std::filesystem::path path) : path_(std::move(path)) {}
    const std::filesystem::path& Path() const { return path_; }
    // Null at the root.
    std::shared_ptr<FolderItem> Parent() const;
    // An item that may not exist; never null.
    std::shared_ptr<FolderItem> Child(std::string_view name) const;
    // Null unless the item is a regular file that reads as a picture.
    std::shared_ptr<Picture> OpenAsPicture() const;

private:
    std::filesystem::path path_;
};

// The application's own file item: the running executable.
std::shared_ptr<FolderItem> AppFolderItemGetter();

}  // namespace fw
