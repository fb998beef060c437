// A surface that keeps every drawing call, for tests of the renderers.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "render/surface.h"

namespace velmora {

struct DrawCall {
    enum class Kind { text, fillRoundRect, frameRoundRect, andBitmap, line, focusRect };
    Kind kind = Kind::text;
    std::int32_t surface = 0;  // which surface of a paint, in the order they were opened
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::u16string text;
    FontId font = FontId::systemFont;
    Rgb color = kBlack;
    TextAlign align = TextAlign::leftTop;
    Rect rect;
    std::int32_t ellipse = 0;
    std::int32_t bitmapId = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The calls of one paint, shared by every surface it opens.
struct Recording {
    std::vector<DrawCall> calls;
    std::map<FontId, TextMetrics> metrics{
        {FontId::systemFont, {7, 16, 3, 0}},
        {FontId::companionFont, {6, 15, 2, 0}},
        {FontId::smallFont, {5, 14, 2, 0}},
    };
    std::int32_t surfacesOpened = 0;

    std::vector<DrawCall> texts() const {
        std::vector<DrawCall> result;
        for (const DrawCall& call : calls)
            if (call.kind == DrawCall::Kind::text) result.push_back(call);
        return result;
    }
    std::vector<DrawCall> ofKind(DrawCall::Kind kind) const {
        std::vector<DrawCall> result;
        for (const DrawCall& call : calls)
            if (call.kind == kind) result.push_back(call);
        return result;
    }
};

class RecordingSurface : public Surface {
  public:
    explicit RecordingSurface(Recording& recording) : recording_(recording), index_(recording.surfacesOpened++) {}

    TextMetrics textMetrics() override {
        const auto it = recording_.metrics.find(font_);
        return it != recording_.metrics.end() ? it->second : TextMetrics{8, 18, 3, 1};
    }
    void selectFont(FontId font) override { font_ = font; }
    // Every character as wide as the font's average.
    std::int32_t textWidth(std::u16string_view text) override {
        return static_cast<std::int32_t>(text.size()) * textMetrics().averageCharWidth;
    }
    void setTextColor(Rgb color) override { color_ = color; }
    void setLineColor(Rgb color) override { lineColor_ = color; }
    void setTextAlign(TextAlign align) override { align_ = align; }
    void drawText(std::int32_t x, std::int32_t y, std::u16string_view text) override {
        DrawCall call = base(DrawCall::Kind::text);
        call.x = x;
        call.y = y;
        call.text = std::u16string(text);
        recording_.calls.push_back(call);
    }
    void fillRoundRect(const Rect& rect, std::int32_t ellipse, Rgb color) override {
        DrawCall call = base(DrawCall::Kind::fillRoundRect);
        call.rect = rect;
        call.ellipse = ellipse;
        call.color = color;
        recording_.calls.push_back(call);
    }
    void frameRoundRect(const Rect& rect, std::int32_t ellipse) override {
        DrawCall call = base(DrawCall::Kind::frameRoundRect);
        call.rect = rect;
        call.ellipse = ellipse;
        call.color = lineColor_;
        recording_.calls.push_back(call);
    }
    void andBitmap(std::int32_t x, std::int32_t y, std::int32_t bitmapId, std::int32_t width,
                   std::int32_t height) override {
        DrawCall call = base(DrawCall::Kind::andBitmap);
        call.x = x;
        call.y = y;
        call.bitmapId = bitmapId;
        call.width = width;
        call.height = height;
        recording_.calls.push_back(call);
    }
    void drawLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) override {
        DrawCall call = base(DrawCall::Kind::line);
        call.rect = {x0, y0, x1, y1};
        call.color = lineColor_;
        recording_.calls.push_back(call);
    }
    void drawFocusRect(const Rect& rect) override {
        DrawCall call = base(DrawCall::Kind::focusRect);
        call.rect = rect;
        recording_.calls.push_back(call);
    }

  private:
    DrawCall base(DrawCall::Kind kind) const {
        DrawCall call;
        call.kind = kind;
        call.surface = index_;
        call.font = font_;
        call.color = color_;
        call.align = align_;
        return call;
    }

    Recording& recording_;
    std::int32_t index_;
    FontId font_ = FontId::systemFont;
    Rgb color_ = kBlack;
    Rgb lineColor_ = kBlack;
    TextAlign align_ = TextAlign::leftTop;
};

class RecordingSurfaceFactory : public SurfaceFactory {
  public:
    explicit RecordingSurfaceFactory(Recording& recording) : recording_(recording) {}
    std::unique_ptr<Surface> open() override { return std::make_unique<RecordingSurface>(recording_); }

  private:
    Recording& recording_;
};

}  // namespace velmora
