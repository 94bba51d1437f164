#include "tooltip/DrawEffects.h"

#include "engine/Random.h"

#include <algorithm>
#include <vector>

namespace {

// The part of an area that lies in an image; computed in 64 bits so that a
// far-off position or a huge size cannot overflow.
struct Span
{
    int begin = 0;
    int end = 0;
    bool IsEmpty() const { return end <= begin; }
};

Span ClipSpan(int64_t start, int64_t length, int limit)
{
    Span span;
    span.begin = int(std::max<int64_t>(start, 0));
    span.end = int(std::min<int64_t>(start + std::max<int64_t>(length, 0), limit));
    return span;
}

int ClampInt(int value, int low, int high)
{
    return value < low ? low : (value > high ? high : value);
}

uint32_t MapChannels(uint32_t colour, int (*change)(int))
{
    return MakeColour(change(RedOf(colour)), change(GreenOf(colour)), change(BlueOf(colour)));
}

// ---- gradients -----------------------------------------------------------

// Columns [first, first + length) of rect, a gradient from `from` to `to`.
void FillColumns(Image32& target, const PixelRect& rect, int first, int length, uint32_t from, uint32_t to)
{
    const Span columns = ClipSpan(int64_t(rect.left) + first, length, target.Width());
    const Span rows = ClipSpan(rect.top, rect.Height(), target.Height());
    for (int x = columns.begin; x < columns.end; ++x)
    {
        const uint32_t colour = GradientColour(from, to, int(x - (int64_t(rect.left) + first)), length);
        for (int y = rows.begin; y < rows.end; ++y)
            target.At(x, y) = colour;
    }
}

// Rows [first, first + length) of rect.
void FillRows(Image32& target, const PixelRect& rect, int first, int length, uint32_t from, uint32_t to)
{
    const Span columns = ClipSpan(rect.left, rect.Width(), target.Width());
    const Span rows = ClipSpan(int64_t(rect.top) + first, length, target.Height());
    for (int y = rows.begin; y < rows.end; ++y)
    {
        const uint32_t colour = GradientColour(from, to, int(y - (int64_t(rect.top) + first)), length);
        for (int x = columns.begin; x < columns.end; ++x)
            target.At(x, y) = colour;
    }
}

// ---- textures ------------------------------------------------------------

// The grain: one number of the generator per call.
struct Grain
{
    int granularity;
    int divisor;

    explicit Grain(int g) : granularity(g), divisor(32767 / std::max(1, 2 * g)) {}
    int Draw() const { return DrawRandom() / divisor - granularity; }
};

int Bump(int v)
{
    return ((v - 127) * (v - 127) * (v - 127) / 128) / 128;
}

// Levels are worked out with rows counted from the bottom (r = 0) and are
// kept top-down in the image, so the texture can be drawn as it lies. The
// grain is drawn pixel by pixel in that order: bottom row first, each row
// from left to right, as the pixels lie in a bottom-up bitmap.
class TextureBuilder
{
public:
    TextureBuilder(Image8& texture, int granularity)
        : m_texture(texture), m_w(texture.Width()), m_h(texture.Height()), m_g(granularity), m_grain(granularity)
    {
    }

    void Set(int x, int r, int level) { m_texture.At(x, m_h - 1 - r) = static_cast<uint8_t>(level); }
    int Get(int x, int r) const { return m_texture.At(x, m_h - 1 - r); }

    void Noise()
    {
        ForEachPixel([&](int, int) { return 128 + m_grain.Draw(); });
    }

    void DiagShade()
    {
        const int s = (255 - 2 * m_g) / 2;
        ForEachPixel([&](int x, int r) { return m_g + s * (m_w - x) / m_w + s * r / m_h + m_grain.Draw(); });
    }

    void HShade()
    {
        ForEachPixel([&](int, int r) { return m_g + r * (255 - 2 * m_g) / m_h + m_grain.Draw(); });
    }

    void VShade()
    {
        ForEachPixel([&](int x, int) { return m_g + (255 - 2 * m_g) * (m_w - x) / m_w + m_grain.Draw(); });
    }

    void HBump()
    {
        ForEachPixel([&](int, int r) { return Bump(255 * r / m_h) * (128 - m_g) / 128 + 128 + m_grain.Draw(); });
    }

    void VBump()
    {
        ForEachPixel(
            [&](int x, int) { return Bump(255 * (m_w - x) / m_w) * (128 - m_g) / 128 + 128 + m_grain.Draw(); });
    }

    void SoftBump()
    {
        ForEachPixel([&](int x, int r) {
            int level = (Bump(255 * (m_w - x) / m_w) + Bump(255 * r / m_h)) * (128 - m_g) / 128 + 128;
            if (level < m_g)
                level = m_g;
            if (level > 255 - m_g)
                level = 255 - m_g;
            return level + m_grain.Draw();
        });
    }

    void HardBump()
    {
        ForEachPixel(
            [&](int, int r) { return Bump(255 * r / m_h) * (64 - m_g) * 2 / 128 + 128 + m_grain.Draw(); });
        HardBumpEdges();
    }

    void Metal()
    {
        for (int streak = 0; streak < 200; ++streak)
            MetalStreak();
        const int s = (215 - 2 * m_g) / 2;
        ForEachPixel([&](int x, int r) {
            return Get(x, r) + s * (m_w - x) / m_w + (r * s / m_h) % 256 + (DrawRandom() / m_grain.divisor) % 256;
        });
    }

private:
    template <typename LevelOf>
    void ForEachPixel(LevelOf levelOf)
    {
        for (int r = 0; r < m_h; ++r)
            for (int x = 0; x < m_w; ++x)
                Set(x, r, levelOf(x, r));
    }

    // The bevelled side edges. k and H*H/4 divide: a rectangle narrower
    // than 6 or lower than 2 pixels keeps the first pass alone.
    void HardBumpEdges()
    {
        const int64_t k = std::min(m_w / 6, 16);
        const int64_t quarterSquare = int64_t(m_h) * m_h / 4;
        if (k == 0 || quarterSquare == 0)
            return;
        for (int r = 0; r < m_h; ++r)
        {
            const int64_t fromMiddle = r - m_h / 2;
            const int64_t e = k * fromMiddle * fromMiddle / quarterSquare - k + m_w / 2;
            for (int x = 0; x < m_w; ++x)
            {
                const int64_t d = x - m_w / 2;
                int level = Get(x, r);
                if (d > e)
                    level = int(128 * (m_w - x) / k) + m_g;
                if (e + d < 0)
                    level = (255 - m_g) - int(128 * x / k);
                Set(x, r, level + m_grain.Draw());
            }
        }
    }

    // One diagonal streak and its mirror. The start may fall on the far
    // edge (x0 = W, y0 = H), and the mirror column W - x0 + i runs past the
    // right edge when x0 <= i: those pixels are skipped, not written.
    void MetalStreak()
    {
        const int x0 = DrawRandom() / std::max(1, 32767 / m_w);
        const int y0 = DrawRandom() / std::max(1, 32767 / m_h);
        const int n = (DrawRandom() / std::max(1, 32767 / std::min(m_w, m_h))) / 2;
        const int v = DrawRandom() / 819;
        for (int i = 0; i < n; ++i)
        {
            if (x0 - i >= 1 && y0 + i < m_h)
                SetInside(x0 - i, y0 + i, v);
            if (x0 + i < m_w && y0 - i > 0)
                SetInside(m_w - x0 + i, y0 - i, v);
        }
    }

    void SetInside(int x, int r, int level)
    {
        if (x >= 0 && x < m_w && r >= 0 && r < m_h)
            Set(x, r, level);
    }

    Image8& m_texture;
    const int m_w;
    const int m_h;
    const int m_g;
    const Grain m_grain;
};

bool IsTexture(int effect)
{
    return effect >= EffectNoise && effect <= EffectMetal;
}

} // namespace

void DrawTextureLevels(Image32& target, const PixelRect& rect, const Image8& texture)
{
    const Span columns = ClipSpan(rect.left, texture.Width(), target.Width());
    const Span rows = ClipSpan(rect.top, texture.Height(), target.Height());
    for (int y = rows.begin; y < rows.end; ++y)
        for (int x = columns.begin; x < columns.end; ++x)
            target.At(x, y) = texture.ColourAt(x - rect.left, y - rect.top);
}

namespace {

// ---- shadows and images --------------------------------------------------

int MaskLevel(const Image32& mask, int x, int y)
{
    return mask.Contains(x, y) ? RedOf(mask.At(x, y)) : 255;
}

uint32_t ScaleColour(uint32_t colour, int64_t numerator, int64_t denominator)
{
    return MakeColour(int(RedOf(colour) * numerator / denominator), int(GreenOf(colour) * numerator / denominator),
                      int(BlueOf(colour) * numerator / denominator));
}

// The shadows read their mask through `level(x, y)`, the grey level of a
// pixel of the area, so a picture's shadow needs no mask image of its own.
template <class Levels>
void DrawHardShadow(Image32& target, int offsetX, int offsetY, int width, int height, const Levels& level)
{
    const Span columns = ClipSpan(offsetX, width, target.Width());
    const Span rows = ClipSpan(offsetY, height, target.Height());
    for (int y = rows.begin; y < rows.end; ++y)
        for (int x = columns.begin; x < columns.end; ++x)
            target.At(x, y) = ScaleColour(target.At(x, y), level(x - offsetX, y - offsetY), 255);
}

int MakeOdd(int blur)
{
    if (blur < 1)
        return 1;
    return blur % 2 == 0 ? blur + 1 : blur;
}

// Sums of the softened mask's levels over any box, for the part of the
// area around the pixels that are drawn.
class BoxSums
{
public:
    // Levels of the area (width x height) with the mask shrunk into the
    // middle; only columns [left, right) and rows [top, bottom) are kept.
    template <class Levels>
    BoxSums(const Levels& level, int width, int height, int blurX, int blurY, int left, int top, int right,
            int bottom)
        : m_left(left), m_top(top), m_columns(right - left), m_rows(bottom - top),
          m_sums(std::size_t(m_columns + 1) * std::size_t(m_rows + 1), 0)
    {
        const int shrunkWidth = width - blurX;
        const int shrunkHeight = height - blurY;
        const int placeX = blurX / 2;
        const int placeY = blurY / 2;
        for (int row = 0; row < m_rows; ++row)
        {
            int64_t rowSum = 0;
            const int v = top + row - placeY;
            for (int column = 0; column < m_columns; ++column)
            {
                const int u = left + column - placeX;
                int value = 255;
                if (u >= 0 && v >= 0 && u < shrunkWidth && v < shrunkHeight)
                    value = level(int(int64_t(u) * width / shrunkWidth), int(int64_t(v) * height / shrunkHeight));
                rowSum += value;
                Sum(column + 1, row + 1) = Sum(column + 1, row) + rowSum;
            }
        }
    }

    // Sum over columns [x0, x1) and rows [y0, y1) of the area, pixels
    // outside the kept part counting as white.
    int64_t BoxSum(int x0, int y0, int x1, int y1) const
    {
        const int64_t boxCount = int64_t(x1 - x0) * (y1 - y0);
        const int cx0 = ClampInt(x0 - m_left, 0, m_columns);
        const int cx1 = ClampInt(x1 - m_left, 0, m_columns);
        const int cy0 = ClampInt(y0 - m_top, 0, m_rows);
        const int cy1 = ClampInt(y1 - m_top, 0, m_rows);
        const int64_t inside = Sum(cx1, cy1) - Sum(cx0, cy1) - Sum(cx1, cy0) + Sum(cx0, cy0);
        const int64_t insideCount = int64_t(cx1 - cx0) * (cy1 - cy0);
        return inside + 255 * (boxCount - insideCount);
    }

private:
    int64_t& Sum(int column, int row) { return m_sums[std::size_t(row) * std::size_t(m_columns + 1) + column]; }
    int64_t Sum(int column, int row) const
    {
        return m_sums[std::size_t(row) * std::size_t(m_columns + 1) + column];
    }

    int m_left;
    int m_top;
    int m_columns;
    int m_rows;
    std::vector<int64_t> m_sums;
};

// The sums of a whole large shadow would take eight bytes a pixel; rows are
// softened this many at a time instead.
constexpr int ShadowBandRows = 128;

template <class Levels>
void DrawSoftShadow(Image32& target, int offsetX, int offsetY, int width, int height, const Levels& level,
                    int blurX, int blurY)
{
    // 1. Odd box sizes, so that the box has a centre pixel.
    blurX = MakeOdd(blurX);
    blurY = MakeOdd(blurY);
    // 2. A mask shrunk to nothing leaves the area white: no shadow.
    if (width - blurX <= 0 || height - blurY <= 0)
        return;
    const Span columns = ClipSpan(offsetX, width, target.Width());
    const Span rows = ClipSpan(offsetY, height, target.Height());
    if (columns.IsEmpty() || rows.IsEmpty())
        return;
    const int radiusX = blurX / 2;
    const int radiusY = blurY / 2;
    const int left = std::max(columns.begin - offsetX - radiusX, 0);
    const int right = std::min(columns.end - offsetX + radiusX, width);
    const int64_t whiteSum = int64_t(blurX) * blurY * 255;
    for (int bandTop = rows.begin; bandTop < rows.end; bandTop += ShadowBandRows)
    {
        const int bandEnd = std::min(rows.end, bandTop + ShadowBandRows);
        // 3. Levels of the area that the boxes of the band's pixels reach.
        const int top = std::max(bandTop - offsetY - radiusY, 0);
        const int bottom = std::min(bandEnd - offsetY + radiusY, height);
        const BoxSums sums(level, width, height, blurX, blurY, left, top, right, bottom);
        // 4. Each pixel scaled by the mean of its box / 255.
        for (int y = bandTop; y < bandEnd; ++y)
        {
            const int ay = y - offsetY;
            for (int x = columns.begin; x < columns.end; ++x)
            {
                const int ax = x - offsetX;
                const int64_t sum = sums.BoxSum(ax - radiusX, ay - radiusY, ax + radiusX + 1, ay + radiusY + 1);
                if (sum >= whiteSum || sum < 0)
                    continue;
                target.At(x, y) = ScaleColour(target.At(x, y), sum, whiteSum);
            }
        }
    }
}

int GreyOfDarkness(int darkness)
{
    darkness = ClampInt(darkness, 0, 100);
    return (255 * (100 - darkness) + 50) / 100;
}

struct ImageShadow
{
    bool on;
    int x;
    int y;
    int blurX;
    int blurY;
    int darkness;
};

// A picture stretched to width x height, read where it is needed: a large
// picture is never copied whole. source holds the bitmap's rows from
// firstRow on, of sourceHeight rows in all; rows it does not hold count as
// clear. `clear(sx, row)` tells whether a pixel of source is transparent.
template <class Clear>
struct StretchedPicture
{
    const Image32& source;
    int firstRow;
    int sourceHeight;
    int width;
    int height;
    const Clear& clear;

    int SourceX(int px) const { return int(int64_t(px) * source.Width() / width); }
    int SourceRow(int py) const { return int(int64_t(py) * sourceHeight / height) - firstRow; }
    bool IsClear(int px, int py) const
    {
        const int row = SourceRow(py);
        return row < 0 || row >= source.Height() || clear(SourceX(px), row);
    }
    uint32_t At(int px, int py) const { return source.At(SourceX(px), SourceRow(py)); }
};

template <class Clear>
void DrawPicture(Image32& target, int x, int y, const StretchedPicture<Clear>& picture, int style,
                 const ImageShadow& shadow)
{
    const int width = picture.width;
    const int height = picture.height;
    if (picture.source.IsEmpty() || picture.sourceHeight <= 0 || width <= 0 || height <= 0 ||
        !IsAllowedImageSize(width, height))
        return;
    // 1. The shadow first, or the picture moved in its place.
    if (shadow.on)
    {
        if (style & (ImageStyleHardShadow | ImageStyleSoftShadow))
        {
            const int grey = GreyOfDarkness(shadow.darkness);
            auto level = [&](int px, int py) {
                return px < 0 || py < 0 || px >= width || py >= height || picture.IsClear(px, py) ? 255 : grey;
            };
            if (style & ImageStyleSoftShadow)
                DrawSoftShadow(target, x + shadow.x, y + shadow.y, width, height, level, shadow.blurX, shadow.blurY);
            else
                DrawHardShadow(target, x + shadow.x, y + shadow.y, width, height, level);
        }
        else
        {
            x += shadow.x;
            y += shadow.y;
        }
    }
    // 2. Clear pixels keep the target; the others take the picture changed
    // by the style bits.
    const Span columns = ClipSpan(x, width, target.Width());
    const Span rows = ClipSpan(y, height, target.Height());
    for (int ty = rows.begin; ty < rows.end; ++ty)
    {
        for (int tx = columns.begin; tx < columns.end; ++tx)
        {
            uint32_t& pixel = target.At(tx, ty);
            if (picture.IsClear(tx - x, ty - y))
                pixel &= 0xFFFFFF;
            else
                pixel = ApplyImageStyle(picture.At(tx - x, ty - y), style);
        }
    }
}

} // namespace

// ---- free steps ------------------------------------------------------------

uint32_t GradientColour(uint32_t from, uint32_t to, int position, int length)
{
    if (length <= 1 || position <= 0)
        return from;
    const int64_t last = length - 1;
    const int64_t p = std::min<int64_t>(position, last);
    auto channel = [&](int a, int b) { return int((a * (last - p) + b * p) / last); };
    return MakeColour(channel(RedOf(from), RedOf(to)), channel(GreenOf(from), GreenOf(to)),
                      channel(BlueOf(from), BlueOf(to)));
}

std::array<uint32_t, 256> MakeTexturePalette(uint32_t colour1, uint32_t colour2, uint32_t colour3, int tint)
{
    std::array<uint32_t, 256> palette{};
    auto between = [](uint32_t a, uint32_t b, int step) {
        auto channel = [step](int ca, int cb) { return (ca * (128 - step) + cb * step) / 128; };
        return MakeColour(channel(RedOf(a), RedOf(b)), channel(GreenOf(a), GreenOf(b)),
                          channel(BlueOf(a), BlueOf(b)));
    };
    // 1. Colour 3 to colour 2, then colour 2 to colour 1.
    for (int i = 0; i <= 128; ++i)
        palette[i] = between(colour3, colour2, i);
    for (int i = 129; i < 256; ++i)
        palette[i] = between(colour2, colour1, i - 128);
    // 2. Every entry tinted towards colour 1.
    const int p = ClampInt(tint, 0, 100);
    for (uint32_t& entry : palette)
    {
        auto toward = [p](int c, int t) { return (c * (100 - p) + t * p) / 100; };
        entry = MakeColour(toward(RedOf(entry), RedOf(colour1)), toward(GreenOf(entry), GreenOf(colour1)),
                           toward(BlueOf(entry), BlueOf(colour1)));
    }
    return palette;
}

bool MakeTextureLevels(int effect, int width, int height, int granularity, Image8& texture)
{
    if (!IsTexture(effect) || width <= 0 || height <= 0 || !texture.Create(width, height, 0))
        return false;
    TextureBuilder builder(texture, ClampInt(granularity, 0, 255));
    switch (effect)
    {
    case EffectNoise: builder.Noise(); break;
    case EffectDiagShade: builder.DiagShade(); break;
    case EffectHShade: builder.HShade(); break;
    case EffectVShade: builder.VShade(); break;
    case EffectHBump: builder.HBump(); break;
    case EffectVBump: builder.VBump(); break;
    case EffectSoftBump: builder.SoftBump(); break;
    case EffectHardBump: builder.HardBump(); break;
    default: builder.Metal(); break;
    }
    return true;
}

uint32_t ApplyImageStyle(uint32_t colour, int style)
{
    if (style & ImageStyleGrey)
    {
        const int luma = (299 * RedOf(colour) + 587 * GreenOf(colour) + 114 * BlueOf(colour)) / 1000;
        colour = MakeColour(luma, luma, luma);
    }
    if (style & ImageStyleDarker)
        colour = MapChannels(colour, [](int c) { return c * 3 / 4; });
    if (style & ImageStyleLighter)
        colour = MapChannels(colour, [](int c) { return std::min(255, c * 5 / 4); });
    return colour;
}

// ---- CDrawEffects ----------------------------------------------------------

void CDrawEffects::DrawBackground(Image32& target, int effect, const PixelRect& rect, uint32_t colour1,
                                  uint32_t colour2, uint32_t colour3, int granularity, int tint) const
{
    if (rect.IsEmpty())
        return;
    const int width = rect.Width();
    const int height = rect.Height();
    switch (effect)
    {
    case EffectHGradient: FillColumns(target, rect, 0, width, colour1, colour3); return;
    case EffectVGradient: FillRows(target, rect, 0, height, colour1, colour3); return;
    case EffectHCGradient:
        FillColumns(target, rect, 0, width / 2, colour1, colour3);
        FillColumns(target, rect, width / 2, width - width / 2, colour3, colour1);
        return;
    case EffectVCGradient:
        FillRows(target, rect, 0, height / 2, colour1, colour3);
        FillRows(target, rect, height / 2, height - height / 2, colour3, colour1);
        return;
    case Effect3HGradient:
        FillColumns(target, rect, 0, width / 2, colour1, colour2);
        FillColumns(target, rect, width / 2, width - width / 2, colour2, colour3);
        return;
    case Effect3VGradient:
        FillRows(target, rect, 0, height / 2, colour1, colour2);
        FillRows(target, rect, height / 2, height - height / 2, colour2, colour3);
        return;
    default: break;
    }
    Image8 texture;
    if (IsTexture(effect) && MakeTextureLevels(effect, width, height, granularity, texture))
    {
        texture.Palette() = MakeTexturePalette(colour1, colour2, colour3, tint);
        DrawTextureLevels(target, rect, texture);
        return;
    }
    target.FillRect(rect, colour1);
}

void CDrawEffects::TileBlit(Image32& target, int x, int y, int width, int height, const Image32& source,
                            int sourceX, int sourceY, int tileWidth, int tileHeight) const
{
    // A block without area would never cover anything.
    if (tileWidth <= 0 || tileHeight <= 0)
        return;
    const Span columns = ClipSpan(x, width, target.Width());
    const Span rows = ClipSpan(y, height, target.Height());
    for (int ty = rows.begin; ty < rows.end; ++ty)
    {
        const int64_t sy = int64_t(sourceY) + (int64_t(ty) - y) % tileHeight;
        for (int tx = columns.begin; tx < columns.end; ++tx)
        {
            const int64_t sx = int64_t(sourceX) + (int64_t(tx) - x) % tileWidth;
            if (sx >= 0 && sy >= 0 && sx < source.Width() && sy < source.Height())
                target.At(tx, ty) = source.At(int(sx), int(sy));
        }
    }
}

void CDrawEffects::BlendPicture(Image32& target, int x, int y, int width, int height, const Image32& source,
                                int sourceX, int sourceY, int opacity) const
{
    if (opacity <= 0)
        return;
    const Span columns = ClipSpan(x, width, target.Width());
    const Span rows = ClipSpan(y, height, target.Height());
    for (int ty = rows.begin; ty < rows.end; ++ty)
    {
        const int64_t sy = int64_t(sourceY) + (int64_t(ty) - y);
        for (int tx = columns.begin; tx < columns.end; ++tx)
        {
            const int64_t sx = int64_t(sourceX) + (int64_t(tx) - x);
            if (sx < 0 || sy < 0 || sx >= source.Width() || sy >= source.Height())
                continue;
            const uint32_t from = source.At(int(sx), int(sy));
            uint32_t& to = target.At(tx, ty);
            if (opacity >= 100)
            {
                to = from;
                continue;
            }
            auto mix = [opacity](int s, int d) { return (s * opacity + d * (100 - opacity)) / 100; };
            to = MakeColour(mix(RedOf(from), RedOf(to)), mix(GreenOf(from), GreenOf(to)),
                            mix(BlueOf(from), BlueOf(to)));
        }
    }
}

bool CDrawEffects::DrawShadow(Image32& target, int offsetX, int offsetY, int width, int height, const Image32& mask,
                              bool gradient, int blurX, int blurY) const
{
    if (width <= 0 || height <= 0)
        return true;
    if (!IsAllowedImageSize(width, height))
        return false;
    auto level = [&mask](int x, int y) { return MaskLevel(mask, x, y); };
    if (gradient)
        DrawSoftShadow(target, offsetX, offsetY, width, height, level, blurX, blurY);
    else
        DrawHardShadow(target, offsetX, offsetY, width, height, level);
    return true;
}

void CDrawEffects::DrawImage(Image32& target, int x, int y, int width, int height, const Image32& bitmap,
                             bool hasMaskColour, uint32_t maskColour, int style, bool shadowOn, int shadowX,
                             int shadowY, int blurX, int blurY, int darkness) const
{
    DrawImageRows(target, x, y, width, height, bitmap, 0, bitmap.Height(), hasMaskColour, maskColour, style, shadowOn,
                  shadowX, shadowY, blurX, blurY, darkness);
}

void CDrawEffects::DrawImageRows(Image32& target, int x, int y, int width, int height, const Image32& rows,
                                 int firstRow, int bitmapHeight, bool hasMaskColour, uint32_t maskColour, int style,
                                 bool shadowOn, int shadowX, int shadowY, int blurX, int blurY, int darkness) const
{
    auto clear = [&](int sx, int row) {
        return hasMaskColour && (rows.At(sx, row) & 0xFFFFFF) == (maskColour & 0xFFFFFF);
    };
    const StretchedPicture<decltype(clear)> picture{rows, firstRow, bitmapHeight, width, height, clear};
    DrawPicture(target, x, y, picture, style, {shadowOn, shadowX, shadowY, blurX, blurY, darkness});
}

RowSpan ImageRowsNeeded(int top, int bottom, int y, int height, int bitmapHeight, int style, bool shadowOn,
                        int shadowY, int blurY)
{
    if (bitmapHeight <= 0 || bottom <= top)
        return RowSpan{};
    // Rows of the stretched picture: those drawn in the band, and those its
    // shadow reads, with a row to spare on either side of the shrink.
    int64_t low = int64_t(top) - y;
    int64_t high = int64_t(bottom) - y;
    if (shadowOn)
    {
        const int64_t shadowTop = int64_t(top) - y - shadowY;
        const int64_t shadowBottom = int64_t(bottom) - y - shadowY;
        if (style & ImageStyleSoftShadow)
        {
            const int blur = MakeOdd(blurY);
            const int64_t shrunk = int64_t(height) - blur;
            if (shrunk > 0)
            {
                low = std::min(low, (shadowTop - blur) * height / shrunk - 1);
                high = std::max(high, shadowBottom * height / shrunk + 2);
            }
        }
        else if (style & ImageStyleHardShadow)
        {
            low = std::min(low, shadowTop);
            high = std::max(high, shadowBottom);
        }
        else
        {
            low = shadowTop;
            high = shadowBottom;
        }
    }
    low = std::max<int64_t>(low, 0);
    high = std::min<int64_t>(high, height);
    if (high <= low)
        return RowSpan{};
    return RowSpan{int(low * bitmapHeight / height), int((high - 1) * bitmapHeight / height) + 1};
}

void CDrawEffects::DrawImage(Image32& target, int x, int y, int width, int height, const Image32& picture,
                             const Image8& transparency, int style, bool shadowOn, int shadowX, int shadowY,
                             int blurX, int blurY, int darkness) const
{
    // The transparency follows the same nearest-pixel stretch as the picture.
    auto clear = [&](int sx, int sy) { return transparency.Contains(sx, sy) && transparency.At(sx, sy) != 0; };
    const StretchedPicture<decltype(clear)> stretched{picture, 0, picture.Height(), width, height, clear};
    DrawPicture(target, x, y, stretched, style, {shadowOn, shadowX, shadowY, blurX, blurY, darkness});
}
