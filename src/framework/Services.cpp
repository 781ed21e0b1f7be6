#include "Services.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QImageReader>
#include <QUrl>

#include "Controls.h"
#include "Platform.h"
#include "Window.h"

namespace fw {

namespace {

class RealServices : public Services {
public:
    bool SelectColor(Color& colour, std::string_view prompt) override
    {
        const QColor initial = QColor::fromRgb(colour.value & 0xFFFFFFu);
        const QColor chosen = QColorDialog::getColor(initial, QApplication::activeWindow(),
                                                     QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size())));
        if (!chosen.isValid()) return false;
        colour = Color{static_cast<std::uint32_t>(chosen.rgb()) & 0xFFFFFFu};
        return true;
    }

    void SetClipboardText(const std::string& text) override
    {
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    }

    std::string ClipboardText() override
    {
        return QGuiApplication::clipboard()->text().toStdString();
    }

    void Beep() override { QApplication::beep(); }

    void ShowURL(std::string_view address) override
    {
        QDesktopServices::openUrl(QUrl(QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size()))));
    }

    std::filesystem::path ApplicationFile() override
    {
        return std::filesystem::path(QCoreApplication::applicationFilePath().toStdString());
    }

    std::shared_ptr<Picture> OpenAsPicture(const std::filesystem::path& file) override
    {
        QImageReader reader(QString::fromStdString(file.string()));
        QImage image = reader.read();
        if (image.isNull()) return nullptr;
        return std::make_shared<Picture>(std::make_shared<const PictureData>(std::move(image)));
    }
};

Services* g_installed = nullptr;

}  // namespace

Services& PlatformServices()
{
    static RealServices services;
    return services;
}

Services& CurrentServices()
{
    return g_installed != nullptr ? *g_installed : PlatformServices();
}

void InstallServices(Services* services)
{
    g_installed = services;
}

Picture::Picture(std::shared_ptr<const PictureData> data) : data_(std::move(data)) {}

bool SelectColor(Color& colour, std::string_view prompt)
{
    const bool chosen = CurrentServices().SelectColor(colour, prompt);
    ThrowIfPending();
    return chosen;
}

void Beep()
{
    CurrentServices().Beep();
}

void ShowURL(std::string_view address)
{
    CurrentServices().ShowURL(address);
}

void ClearFocus()
{
    // A window that is not active still remembers which control it will
    // focus next; that control loses the focus too.
    for (Window* window : OpenWindows()) window->ClearFocusedControl();
    ThrowIfPending();
}

std::string Clipboard::Text() const
{
    return CurrentServices().ClipboardText();
}

void Clipboard::SetText(const std::string& text)
{
    CurrentServices().SetClipboardText(text);
}

std::shared_ptr<FolderItem> FolderItem::Parent() const
{
    const std::filesystem::path parent = path_.parent_path();
    if (parent.empty() || parent == path_) return nullptr;
    return std::make_shared<FolderItem>(parent);
}

std::shared_ptr<FolderItem> FolderItem::Child(std::string_view name) const
{
    return std::make_shared<FolderItem>(path_ / std::filesystem::path(std::string(name)));
}

std::shared_ptr<Picture> FolderItem::OpenAsPicture() const
{
    // Only a regular file is read: opening a pipe or a device could wait for
    // ever, or never reach the end.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path_, error)) return nullptr;
    return CurrentServices().OpenAsPicture(path_);
}

std::shared_ptr<FolderItem> AppFolderItemGetter()
{
    const std::filesystem::path file = CurrentServices().ApplicationFile();
    if (file.empty()) return nullptr;
    return std::make_shared<FolderItem>(file);
}

QString PortableShortcut(const std::string& text)
{
    // "Cmd" is the platform's command modifier; the toolkit's portable "Ctrl"
    // already means Command on macOS.
    QString shortcut = QString::fromStdString(text);
    shortcut.replace(QStringLiteral("Cmd"), QStringLiteral("Ctrl"), Qt::CaseInsensitive);
    return shortcut;
}

}  // namespace fw
