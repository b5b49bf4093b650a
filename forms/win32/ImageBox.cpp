#include "forms/win32/ImageBox.h"

#include <cstdint>
#include <cstring>

namespace forms {

namespace {

constexpr const wchar_t* kClassName = L"ShortDipoleImage";

std::uint32_t readU32(std::span<const unsigned char> bytes, std::size_t offset)
{
    std::uint32_t value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

} // namespace

ImageBox::ImageBox(std::span<const unsigned char> bmp, bool stretch)
    : stretch_(stretch)
{
    // A file header, then the bitmap as a device-independent bitmap; anything else shows nothing.
    constexpr std::size_t kFileHeader = 14;
    if (bmp.size() < kFileHeader + sizeof(BITMAPINFOHEADER) || bmp[0] != 'B' || bmp[1] != 'M')
        return;
    const std::uint32_t bitsOffset = readU32(bmp, 10);
    if (bitsOffset >= bmp.size())
        return;
    info_ = reinterpret_cast<const BITMAPINFO*>(bmp.data() + kFileHeader);
    bits_ = bmp.data() + bitsOffset;
}

void ImageBox::registerClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
}

HWND ImageBox::create(HWND parent, RECT box, std::span<const unsigned char> bmp, bool stretch, HINSTANCE instance)
{
    auto* image = new ImageBox(bmp, stretch);
    return CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, box.left, box.top, box.right - box.left,
        box.bottom - box.top, parent, nullptr, instance, image);
}

LRESULT CALLBACK ImageBox::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* image = reinterpret_cast<ImageBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        break;
    case WM_NCDESTROY:
        delete image;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
    case WM_ERASEBKGND:
        // The picture covers the box; where there is none, the window's own colour shows.
        if (image && image->info_)
            return 1;
        break;
    case WM_PAINT:
        if (image) {
            image->paint(window);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void ImageBox::paint(HWND window) const
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (info_) {
        RECT box;
        GetClientRect(window, &box);
        const LONG width = info_->bmiHeader.biWidth;
        const LONG height = info_->bmiHeader.biHeight < 0 ? -info_->bmiHeader.biHeight : info_->bmiHeader.biHeight;
        if (stretch_) {
            // Averaged down rather than dropping rows and columns, so thin lines stay whole.
            SetStretchBltMode(dc, HALFTONE);
            SetBrushOrgEx(dc, 0, 0, nullptr);
            StretchDIBits(dc, 0, 0, box.right, box.bottom, 0, 0, width, height, bits_, info_, DIB_RGB_COLORS,
                SRCCOPY);
        } else {
            FillRect(dc, &box, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
            StretchDIBits(dc, 0, 0, width, height, 0, 0, width, height, bits_, info_, DIB_RGB_COLORS, SRCCOPY);
        }
    }
    EndPaint(window, &paint);
}

} // namespace forms
