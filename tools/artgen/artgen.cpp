// artgen: draws the program's bitmap resources and background pictures.
//
// Run by hand after changing the artwork:  artgen <source folder>
// It writes resources/bitmaps/<id>.png with <id>@2x, @3x and @4x drawn from the same
// figures at two, three and four device pixels per pixel, and the backgrounds in data/. Everything
// is drawn from code with fixed random seeds, so a re-run gives the same files.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <unordered_map>
#include <vector>

namespace {

constexpr QRgb kKeyBlue = qRgb(0, 0, 255);
constexpr QRgb kKeyRed = qRgb(255, 0, 0);
constexpr double kPi = 3.14159265358979323846;

QString g_strRoot;
int g_nFailures = 0;
// Device pixels per bitmap pixel of the set being drawn: shapes are drawn at this resolution,
// pixel art repeats each of its pixels k by k times.
int g_k = 1;

// One pixel of the drawing: a k by k block of the image.
void Put(QImage& img, int x, int y, QRgb rgb)
{
    for (int dy = 0; dy < g_k; ++dy)
        for (int dx = 0; dx < g_k; ++dx)
            if (img.valid(x * g_k + dx, y * g_k + dy))
                img.setPixel(x * g_k + dx, y * g_k + dy, rgb);
}

// An opaque image of w by h drawing pixels.
QImage NewImage(int w, int h, QImage::Format format = QImage::Format_RGB32) { return QImage(w * g_k, h * g_k, format); }

void Fail(const QString& strWhat)
{
    std::fprintf(stderr, "artgen: %s\n", qPrintable(strWhat));
    ++g_nFailures;
}

// ---------------------------------------------------------------------------
// Layers: figures are drawn without antialiasing on a transparent layer, so a
// pixel is either part of the figure or not; flattening puts the key colour
// behind them. No blended edge pixel can ever come near the key colour.

QImage NewLayer(int w, int h)
{
    QImage img(w * g_k, h * g_k, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

bool Opaque(const QImage& layer, int x, int y)
{
    if (x < 0 || y < 0 || x >= layer.width() || y >= layer.height())
        return false;
    return qAlpha(layer.pixel(x, y)) >= 128;
}

// A figure drawn on the layer gets a one-pixel rim in `rgb` around it.
void AddOutline(QImage& layer, QRgb rgb, bool bDiagonals)
{
    // A rim k device pixels wide: one device pixel per pass.
    for (int nPass = 0; nPass < g_k; ++nPass) {
    const QImage src = layer.copy();
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x) {
            if (Opaque(src, x, y))
                continue;
            bool bEdge = Opaque(src, x - 1, y) || Opaque(src, x + 1, y) || Opaque(src, x, y - 1) || Opaque(src, x, y + 1);
            if (bDiagonals)
                bEdge = bEdge || Opaque(src, x - 1, y - 1) || Opaque(src, x + 1, y - 1) || Opaque(src, x - 1, y + 1)
                        || Opaque(src, x + 1, y + 1);
            if (bEdge)
                layer.setPixel(x, y, rgb | 0xFF000000u);
        }
    }
}

// Opaque image of the layer over `key`; a figure pixel that happens to equal
// the key is moved well away from it so it never turns transparent.
QImage Flatten(const QImage& layer, QRgb key)
{
    QImage out(layer.size(), QImage::Format_RGB32);
    const QRgb clash = key == kKeyBlue ? qRgb(24, 24, 200) : qRgb(200, 24, 24);
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x) {
            QRgb p = layer.pixel(x, y);
            if (qAlpha(p) < 128)
                out.setPixel(x, y, key);
            else {
                p = qRgb(qRed(p), qGreen(p), qBlue(p));
                out.setPixel(x, y, p == key ? clash : p);
            }
        }
    return out;
}

void Paste(QImage& dst, int x0, int y0, const QImage& src)
{
    x0 *= g_k;
    y0 *= g_k;
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const QRgb p = src.pixel(x, y);
            if (qAlpha(p) >= 128 && x0 + x >= 0 && y0 + y >= 0 && x0 + x < dst.width() && y0 + y < dst.height())
                dst.setPixel(x0 + x, y0 + y, p | 0xFF000000u);
        }
}

// Fills every pixel whose centre lies inside the path: crisp and symmetric.
void FillPathCrisp(QImage& layer, const QPainterPath& path, QRgb rgb)
{
    const QRectF rc = path.boundingRect();
    for (int y = std::max(0, int(rc.top() * g_k) - 1); y <= std::min(layer.height() - 1, int(rc.bottom() * g_k) + 1); ++y)
        for (int x = std::max(0, int(rc.left() * g_k) - 1); x <= std::min(layer.width() - 1, int(rc.right() * g_k) + 1); ++x)
            if (path.contains(QPointF((x + 0.5) / g_k, (y + 0.5) / g_k)))
                layer.setPixel(x, y, rgb | 0xFF000000u);
}

QPainterPath Stroked(const QPainterPath& centre, double width, Qt::PenCapStyle cap = Qt::FlatCap,
                     Qt::PenJoinStyle join = Qt::MiterJoin)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(join);
    return stroker.createStroke(centre).simplified();
}

// Pixel art: one string per row; '.' and ' ' leave the layer untouched.
struct PaletteEntry {
    char ch;
    QRgb rgb;
};

void DrawArt(QImage& layer, int x0, int y0, const std::vector<const char*>& rows, const std::vector<PaletteEntry>& palette)
{
    for (int y = 0; y < int(rows.size()); ++y)
        for (int x = 0; rows[y][x]; ++x) {
            const char ch = rows[y][x];
            if (ch == '.' || ch == ' ')
                continue;
            for (const PaletteEntry& e : palette)
                if (e.ch == ch)
                    Put(layer, x0 + x, y0 + y, e.rgb | 0xFF000000u);
        }
}

void Save(const QImage& img, const QString& strRelative)
{
    const QString strPath = g_strRoot + QLatin1Char('/') + strRelative;
    QDir().mkpath(QFileInfo(strPath).path());
    if (!img.save(strPath))
        Fail(QStringLiteral("cannot write %1").arg(strPath));
    else
        std::printf("wrote %s (%dx%d)\n", qPrintable(strRelative), img.width(), img.height());
}

void SaveBitmap(int nId, const QImage& img)
{
    Save(img, g_k == 1 ? QStringLiteral("resources/bitmaps/%1.png").arg(nId) : QStringLiteral("resources/bitmaps/%1@%2x.png").arg(nId).arg(g_k));
}

QRgb Mix(QRgb a, QRgb b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return qRgb(int(std::lround(qRed(a) + (qRed(b) - qRed(a)) * t)), int(std::lround(qGreen(a) + (qGreen(b) - qGreen(a)) * t)),
                int(std::lround(qBlue(a) + (qBlue(b) - qBlue(a)) * t)));
}

// ---------------------------------------------------------------------------
// Buttons

struct SymbolColours {
    QRgb main, light, dark, rim;
};

const SymbolColours kYellow{qRgb(255, 214, 0), qRgb(255, 246, 160), qRgb(214, 150, 0), qRgb(12, 24, 72)};
const SymbolColours kGreen{qRgb(48, 208, 48), qRgb(170, 255, 150), qRgb(0, 132, 16), qRgb(0, 36, 24)};

// Symbol of the path in a 16 x 16 layer, lit from the top left, with a dark rim.
QImage Symbol(const QPainterPath& shape, const SymbolColours& c, int nSize = 16)
{
    QImage fill = NewLayer(nSize, nSize);
    FillPathCrisp(fill, shape, c.main);
    QImage out = fill.copy();
    // The light and dark edges are one drawing pixel wide: k device pixels.
    const int k = g_k;
    for (int y = 0; y < fill.height(); ++y)
        for (int x = 0; x < fill.width(); ++x) {
            if (!Opaque(fill, x, y))
                continue;
            if (!Opaque(fill, x, y - k) || !Opaque(fill, x - k, y))
                out.setPixel(x, y, c.light | 0xFF000000u);
            else if (!Opaque(fill, x, y + k) || !Opaque(fill, x + k, y))
                out.setPixel(x, y, c.dark | 0xFF000000u);
        }
    AddOutline(out, c.rim, false);
    return out;
}

// The square blue game button: two-pixel light-blue bevel top and left,
// dark bevel bottom and right, a softly shaded face, the symbol in the middle.
QImage BlueButton(const QImage& symbol)
{
    QImage img = NewImage(20, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            Put(img, x, y, Mix(qRgb(60, 120, 232), qRgb(28, 74, 184), y / 19.0));
    for (int i = 0; i < 20; ++i) {
        Put(img, i, 0, qRgb(176, 214, 255));
        Put(img, 0, i, qRgb(176, 214, 255));
        Put(img, 19, i, qRgb(4, 18, 70));
        Put(img, i, 19, qRgb(4, 18, 70));
    }
    for (int i = 1; i < 19; ++i) {
        Put(img, i, 1, qRgb(120, 172, 250));
        Put(img, 1, i, qRgb(120, 172, 250));
        Put(img, 18, i, qRgb(18, 50, 136));
        Put(img, i, 18, qRgb(18, 50, 136));
    }
    Put(img, 19, 0, qRgb(70, 110, 180));
    Put(img, 0, 19, qRgb(70, 110, 180));
    Put(img, 18, 1, qRgb(70, 110, 200));
    Put(img, 1, 18, qRgb(70, 110, 200));
    Paste(img, 2, 2, symbol);
    return img;
}

QPainterPath CheckShape()
{
    QPainterPath line;
    line.moveTo(2.6, 8.4);
    line.lineTo(6.2, 12.0);
    line.lineTo(13.4, 3.4);
    return Stroked(line, 3.1, Qt::FlatCap, Qt::MiterJoin);
}

QPainterPath LeftArrowShape()
{
    QPainterPath p;
    p.moveTo(1.5, 8.0);
    p.lineTo(7.8, 1.7);
    p.lineTo(7.8, 5.5);
    p.lineTo(14.5, 5.5);
    p.lineTo(14.5, 10.5);
    p.lineTo(7.8, 10.5);
    p.lineTo(7.8, 14.3);
    p.closeSubpath();
    return p;
}

QPainterPath QuestionShape(double cx, double top, double scale)
{
    // A hook, a stem and a dot: drawn by geometry rather than a font, so the
    // mark stays the same on every machine.
    QPainterPath hook;
    const double r = 3.4 * scale;
    const double cy = top + r + 0.2 * scale;
    hook.arcMoveTo(QRectF(cx - r, cy - r, 2 * r, 2 * r), 165);
    hook.arcTo(QRectF(cx - r, cy - r, 2 * r, 2 * r), 165, -225);
    hook.lineTo(cx, cy + r + 1.2 * scale);
    hook.lineTo(cx, cy + r + 2.6 * scale);
    QPainterPath shape = Stroked(hook, 2.6 * scale, Qt::FlatCap, Qt::RoundJoin);
    QPainterPath dot;
    const double d = 2.7 * scale;
    dot.addRect(QRectF(cx - d / 2, cy + r + 3.6 * scale, d, d));
    return shape.united(dot).simplified();
}

QPainterPath RestartShape()
{
    const QPointF c(8.0, 8.6);
    const double r = 4.7;
    QPainterPath arc;
    arc.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 70);
    arc.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 70, 290);
    QPainterPath shape = Stroked(arc, 2.8, Qt::FlatCap, Qt::RoundJoin);
    // Arrowhead at the arc's start, pointing along the turn (clockwise on screen).
    const double a = 70 * kPi / 180;
    const QPointF tip(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
    QPainterPath head;
    head.moveTo(tip.x() - 3.6, tip.y() - 3.4);
    head.lineTo(tip.x() + 3.0, tip.y() + 0.2);
    head.lineTo(tip.x() - 3.4, tip.y() + 3.8);
    head.closeSubpath();
    return shape.united(head).simplified();
}

QPainterPath PauseShape()
{
    QPainterPath p;
    p.addRect(QRectF(3.0, 2.5, 3.8, 11.0));
    p.addRect(QRectF(9.2, 2.5, 3.8, 11.0));
    return p;
}

// Help button of the tool bar: a grey bevelled square with a yellow "?".
QImage HelpButton()
{
    QImage img = NewImage(16, 16);
    img.fill(qRgb(192, 192, 192));
    for (int i = 0; i < 16; ++i) {
        Put(img, i, 0, qRgb(255, 255, 255));
        Put(img, 0, i, qRgb(255, 255, 255));
        Put(img, 15, i, qRgb(64, 64, 64));
        Put(img, i, 15, qRgb(64, 64, 64));
    }
    for (int i = 1; i < 15; ++i) {
        Put(img, 14, i, qRgb(128, 128, 128));
        Put(img, i, 14, qRgb(128, 128, 128));
    }
    // Too small for the geometric mark: drawn pixel by pixel.
    QImage mark = NewLayer(12, 12);
    DrawArt(mark, 0, 0,
            {"...oooooo...",
             "..oLLLLLYo..",
             ".oLYooooYYo.",
             ".oYDo..oYDo.",
             "..oo..oLYDo.",
             ".....oLYDo..",
             "....oLYDo...",
             "....oYDo....",
             ".....oo.....",
             "....oLYo....",
             "....oYDo....",
             ".....oo....."},
            {{'o', qRgb(56, 44, 12)}, {'L', qRgb(255, 244, 150)}, {'Y', qRgb(255, 214, 0)}, {'D', qRgb(200, 140, 0)}});
    Paste(img, 2, 2, mark);
    return img;
}

// ---------------------------------------------------------------------------
// Seven-segment digit strips. Segments are tapered at their ends so that
// neighbouring segments meet on a diagonal; unlit segments glow faintly.

struct DigitBox {
    int x0, x1, y0, y1, ym, t; // outer columns and rows, first row of the middle bar, thickness
};

std::vector<QPoint> SegmentPixels(int nSeg, const DigitBox& b)
{
    std::vector<QPoint> px;
    auto hrow = [&](int y, int x0, int x1) {
        for (int x = x0; x <= x1; ++x)
            px.push_back(QPoint(x, y));
    };
    auto vcol = [&](int x, int y0, int y1) {
        for (int y = y0; y <= y1; ++y)
            px.push_back(QPoint(x, y));
    };
    for (int k = 0; k < b.t; ++k) {
        const int lowTop = b.ym + b.t; // first row below the middle bar
        const int m = std::min(k, 1);  // inner layers stop one pixel short: mitred corners
        switch (nSeg) {
        case 0: hrow(b.y0 + k, b.x0 + 1 + m, b.x1 - 1 - m); break; // a, top
        case 1: vcol(b.x1 - k, b.y0 + 1 + m, b.ym - 1 - m); break; // b, upper right
        case 2: vcol(b.x1 - k, lowTop + m, b.y1 - 1 - m); break;   // c, lower right
        case 3: hrow(b.y1 - k, b.x0 + 1 + m, b.x1 - 1 - m); break; // d, bottom
        case 4: vcol(b.x0 + k, lowTop + m, b.y1 - 1 - m); break;   // e, lower left
        case 5: vcol(b.x0 + k, b.y0 + 1 + m, b.ym - 1 - m); break; // f, upper left
        case 6: {                                                  // g, middle: pointed at both ends
            const int taper = std::min(1, std::abs(2 * k - (b.t - 1)) / 2);
            hrow(b.ym + k, b.x0 + 1 + taper, b.x1 - 1 - taper);
            break;
        }
        }
    }
    return px;
}

QImage DigitStrip(int nCell, int nHeight, const DigitBox& box, QRgb lit, QRgb unlit)
{
    static const int kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    QImage img = NewImage(nCell * 10, nHeight);
    img.fill(qRgb(0, 0, 0));
    for (int d = 0; d < 10; ++d)
        for (int s = 0; s < 7; ++s) {
            const bool bLit = (kSegments[d] >> s) & 1;
            for (const QPoint& p : SegmentPixels(s, box))
                Put(img, d * nCell + p.x(), p.y(), bLit ? lit : unlit);
        }
    return img;
}

// ---------------------------------------------------------------------------
// Spanwright scenery

// Left bank: grassy top reaching the right edge (where the bridge starts),
// earth and rock below falling away into the chasm. Row 0 stays chasm: the
// walking figure's frames cover that row.
QImage LeftBank()
{
    QImage layer = NewLayer(24, 22);
    std::mt19937 rng(138);
    // Cliff face: how far the rock reaches to the right in each row.
    static const int kReach[22] = {0, 23, 23, 23, 23, 22, 22, 21, 20, 20, 19, 18, 18, 17, 16, 16, 15, 14, 14, 13, 12, 12};
    for (int y = 1; y < 22; ++y)
        for (int x = 0; x <= kReach[y]; ++x) {
            QRgb c;
            const int noise = int(rng() % 3);
            if (y <= 4) {
                static const QRgb kGrass[4] = {qRgb(122, 204, 74), qRgb(84, 172, 52), qRgb(58, 140, 40), qRgb(44, 112, 34)};
                c = kGrass[y - 1];
                if (noise == 0 && y > 1)
                    c = Mix(c, qRgb(30, 90, 24), 0.4);
            } else {
                // Layers of earth with a darker band, shaded towards the face.
                const bool bBand = (y == 9 || y == 10 || y == 16);
                QRgb base = bBand ? qRgb(112, 80, 52) : qRgb(150, 104, 60);
                if (y > 16)
                    base = qRgb(128, 92, 58);
                const int fromFace = kReach[y] - x;
                if (fromFace == 0)
                    base = Mix(base, qRgb(62, 40, 22), 0.55);
                else if (fromFace == 1)
                    base = Mix(base, qRgb(62, 40, 22), 0.25);
                c = noise == 0 ? Mix(base, qRgb(196, 150, 96), 0.3) : noise == 1 ? Mix(base, qRgb(70, 46, 26), 0.2) : base;
            }
            Put(layer, x, y, c | 0xFF000000u);
        }
    // Tufts of grass hanging over the edge and a few stones in the earth.
    DrawArt(layer, 0, 0,
            {"........................",
             "........................",
             "........................",
             "........................",
             "........................",
             "..g....g......g.....gg..",
             "..........s.........g...",
             "....s..........S........",
             "........................",
             ".........S..............",
             "..S..............s......",
             "...........s............",
             "......s.................",
             "..............S.........",
             "...s....................",
             ".........S..............",
             "........................",
             ".s...........s..........",
             "........................",
             "......S.................",
             "........................",
             "........................"},
            {{'g', qRgb(44, 112, 34)}, {'s', qRgb(168, 160, 150)}, {'S', qRgb(110, 104, 98)}});
    return Flatten(layer, kKeyBlue);
}

// Rope bridge: one wooden bead per 6-pixel segment on a cord. Row 0 stays
// transparent so the walking figure's frame can overlap it.
QImage Rope()
{
    QImage layer = NewLayer(186, 7);
    for (int seg = 0; seg < 31; ++seg) {
        const bool bOdd = seg % 2 == 1;
        const QRgb kBody = bOdd ? qRgb(150, 92, 44) : qRgb(166, 104, 50);
        DrawArt(layer, seg * 6, 0,
                {"......",
                 ".ooo..",
                 "oHbbo.",
                 "obbbdc",
                 "obbddc",
                 "odddo.",
                 ".ooo.."},
                {{'o', qRgb(70, 40, 18)}, {'H', qRgb(236, 196, 140)}, {'b', kBody}, {'d', Mix(kBody, qRgb(70, 40, 18), 0.45)},
                 {'c', qRgb(196, 170, 120)}});
    }
    return Flatten(layer, kKeyBlue);
}

// ---------------------------------------------------------------------------
// The walking bear cub of Spanwright

struct Pose {
    double legNear = 0, legFar = 0;   // degrees from straight down, positive forward
    double liftNear = 0, liftFar = 0; // pixels a foot is raised
    double armNear = 0, armFar = 0;   // degrees from straight down, positive forward
    double bob = 0;                   // body raised by this many pixels
    bool bFalling = false;
};

const QRgb kFurOutline = qRgb(58, 32, 14);
const QRgb kFur = qRgb(156, 96, 48);
const QRgb kFurFar = qRgb(118, 70, 34);
const QRgb kFurLight = qRgb(214, 166, 110);
const QRgb kNose = qRgb(28, 16, 10);

void Part(QPainter& p, const QPainterPath& path, QRgb fill)
{
    p.setPen(QPen(QColor(kFurOutline), 1.0));
    p.setBrush(QColor(fill));
    p.drawPath(path);
}

QPainterPath Limb(QPointF root, double angleDeg, double length, double width)
{
    // A rounded capsule hanging from root, turned forward by angleDeg.
    QPainterPath capsule;
    capsule.addRoundedRect(QRectF(-width / 2, -width / 2, width, length + width / 2), width / 2, width / 2);
    QTransform t;
    t.translate(root.x(), root.y());
    t.rotate(-angleDeg);
    return t.map(capsule);
}

QImage BearFrame(const Pose& pose)
{
    QImage layer = NewLayer(36, 50);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(g_k, g_k);
    if (pose.bFalling) {
        // Tipping backwards as it drops, paws thrown up.
        p.translate(18, 28);
        p.rotate(-14);
        p.translate(-18, -28);
    }
    const double dy = -pose.bob;
    const double ground = 46.0; // ankle height; soles reach the frame's last row
    const QPointF hipFar(15.0, 35.0 + dy), hipNear(19.0, 35.0 + dy);
    const QPointF shoulderFar(20.5, 25.0 + dy), shoulderNear(16.0, 25.5 + dy);

    auto leg = [&](QPointF hip, double angle, double lift, QRgb fur) {
        const double a = angle * kPi / 180;
        // The leg reaches the ground at any swing; a lifted foot is shorter.
        const double len = (ground - hip.y()) / std::cos(a) - lift;
        const QPointF end(hip.x() + len * std::sin(a), hip.y() + len * std::cos(a));
        Part(p, Limb(hip, angle, len, 6.0), fur);
        QPainterPath sole;
        sole.addEllipse(QRectF(end.x() - 3.0, end.y() - 0.5, 8.0, 4.5));
        Part(p, sole, fur);
    };
    auto arm = [&](QPointF shoulder, double angle, QRgb fur) {
        const double len = pose.bFalling ? 11.0 : 9.0;
        Part(p, Limb(shoulder, angle, len, 5.0), fur);
        const double a = angle * kPi / 180;
        const QPointF paw(shoulder.x() + len * std::sin(a), shoulder.y() + len * std::cos(a));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(Mix(fur, kFurLight, 0.5)));
        p.drawEllipse(QRectF(paw.x() - 1.5, paw.y() - 1.5, 3.0, 3.0));
    };
    const double hy = 12.5 + dy; // head centre

    // Far side first, then tail and body, then the near leg, the head and the near arm.
    arm(shoulderFar, pose.armFar, kFurFar);
    leg(hipFar, pose.legFar, pose.liftFar, kFurFar);
    QPainterPath tail;
    tail.addEllipse(QRectF(6.5, 30.0 + dy, 5.0, 5.0));
    Part(p, tail, kFurLight);
    QPainterPath body;
    body.addEllipse(QRectF(10.0, 20.5 + dy, 16.0, 19.0));
    Part(p, body, kFur);
    QPainterPath belly;
    belly.addEllipse(QRectF(17.5, 25.0 + dy, 7.5, 11.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kFurLight));
    p.drawPath(belly);
    leg(hipNear, pose.legNear, pose.liftNear, kFur);

    QPainterPath earFar;
    earFar.addEllipse(QRectF(19.5, hy - 10.0, 6.0, 6.0));
    Part(p, earFar, kFurFar);
    QPainterPath head;
    head.addEllipse(QRectF(11.0, hy - 8.0, 17.0, 16.0));
    Part(p, head, kFur);
    QPainterPath earNear;
    earNear.addEllipse(QRectF(12.0, hy - 10.5, 6.5, 6.5));
    Part(p, earNear, kFur);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kFurLight));
    p.drawEllipse(QRectF(13.8, hy - 8.7, 3.0, 3.0));
    QPainterPath snout;
    snout.addEllipse(QRectF(22.5, hy - 1.5, 9.0, 7.0));
    Part(p, snout, kFurLight);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kNose));
    p.drawEllipse(QRectF(28.5, hy - 1.5, 4.0, 3.0));
    if (pose.bFalling) {
        // Eye wide open, mouth a round "oh".
        p.setBrush(QColor(255, 255, 255));
        p.drawRect(QRectF(19.0, hy - 5.0, 4.0, 4.0));
        p.setBrush(QColor(kNose));
        p.drawRect(QRectF(20.0, hy - 4.0, 2.0, 2.0));
        p.drawEllipse(QRectF(24.5, hy + 3.5, 4.0, 4.0));
        arm(shoulderNear, pose.armNear, kFur);
    } else {
        p.drawRect(QRectF(20.0, hy - 3.0, 2.0, 3.0));
        p.setBrush(QColor(255, 255, 255));
        p.drawRect(QRectF(20.0, hy - 3.0, 1.0, 1.0));
        p.setBrush(QColor(kNose));
        p.drawRect(QRectF(26.0, hy + 4.0, 3.0, 1.0));
        arm(shoulderNear, pose.armNear, kFur);
    }
    p.end();
    return layer;
}

QImage Walker()
{
    QImage layer = NewLayer(299, 50);
    std::vector<Pose> poses;
    Pose stand;
    stand.legNear = 4;
    stand.legFar = -4;
    stand.armNear = 8;
    stand.armFar = -6;
    poses.push_back(stand);
    // Frames 1 to 6: one full stride. Each leg swings through +/-30 degrees;
    // the leg swinging forward lifts its foot, the arms swing against the legs.
    for (int f = 1; f <= 6; ++f) {
        const double th = 2 * kPi * (f - 1) / 6.0 + kPi / 6;
        Pose w;
        w.legNear = 30 * std::sin(th);
        w.legFar = -30 * std::sin(th);
        w.liftNear = 3.0 * std::max(0.0, std::cos(th));
        w.liftFar = 3.0 * std::max(0.0, -std::cos(th));
        w.armNear = -36 * std::sin(th);
        w.armFar = 36 * std::sin(th);
        w.bob = std::fabs(std::cos(th)) > 0.8 ? 1 : 0;
        poses.push_back(w);
    }
    Pose fall;
    fall.bFalling = true;
    fall.legNear = 34;
    fall.legFar = -28;
    fall.liftNear = 1;
    fall.armNear = -142;
    fall.armFar = 112;
    poses.push_back(fall);
    for (int f = 0; f < 8; ++f) {
        QImage frame = BearFrame(poses[f]);
        AddOutline(frame, kFurOutline, false);
        // The walking frames are copied opaquely as they move right by two
        // pixels a tick: the three left columns must stay background.
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 3; ++x)
                Put(frame, x, y, 0);
        Paste(layer, 36 * f, 0, frame);
    }
    return Flatten(layer, kKeyBlue);
}

// ---------------------------------------------------------------------------
// Cascadio critters: three white frames of a little mite wiggling its legs and
// feelers, and one black frame shown as it flickers.

QImage Critters()
{
    QImage layer = NewLayer(40, 10);
    const std::vector<PaletteEntry> white{{'o', qRgb(36, 36, 52)}, {'W', qRgb(255, 255, 255)}, {'w', qRgb(196, 200, 222)},
                                          {'k', qRgb(0, 0, 0)}, {'p', qRgb(255, 150, 170)}};
    const std::vector<PaletteEntry> black{{'o', qRgb(36, 36, 52)}, {'W', qRgb(18, 18, 22)}, {'w', qRgb(70, 70, 84)},
                                          {'k', qRgb(255, 232, 64)}, {'p', qRgb(96, 60, 72)}};
    const std::vector<const char*> f0{
        "..o....o..",
        "...o..o...",
        "..oooooo..",
        ".oWWWWWWo.",
        "oWWkWWkWWo",
        "oWWkWWkWWo",
        "oWpWWWWpWo",
        ".owWWWWwo.",
        "..oooooo..",
        ".o.o..o.o."};
    const std::vector<const char*> f1{
        ".o....o...",
        "..o...o...",
        "..oooooo..",
        ".oWWWWWWo.",
        "oWkWWkWWWo",
        "oWkWWkWWWo",
        "oWpWWWWpWo",
        ".owWWWWwo.",
        "..oooooo..",
        "o..o..o..o"};
    const std::vector<const char*> f2{
        "...o....o.",
        "...o...o..",
        "..oooooo..",
        ".oWWWWWWo.",
        "oWWWkWWkWo",
        "oWWWkWWkWo",
        "oWpWWWWpWo",
        ".owWWWWwo.",
        "..oooooo..",
        "..o.oo.o.."};
    DrawArt(layer, 0, 0, f0, white);
    DrawArt(layer, 10, 0, f1, white);
    DrawArt(layer, 20, 0, f2, white);
    DrawArt(layer, 30, 0, f0, black);
    return Flatten(layer, kKeyRed);
}

// ---------------------------------------------------------------------------
// About picture: a small cube of letter tiles.

// The About box's cube on its backdrop (nIconSize 0), or alone on a clear square of that many pixels
// for the desktop's icons.
QImage AboutPicture(int nIconSize = 0)
{
    QImage img = nIconSize ? QImage(nIconSize, nIconSize, QImage::Format_ARGB32) : NewImage(62, 60);
    {
        QPainter p(&img);
        if (nIconSize) {
            img.fill(Qt::transparent);
            p.scale(nIconSize / 62.0, nIconSize / 62.0);
            p.translate(0, 1);
        } else {
            p.scale(g_k, g_k);
            QRadialGradient bg(QPointF(31, 26), 44);
            bg.setColorAt(0, QColor(236, 242, 255));
            bg.setColorAt(1, QColor(150, 172, 214));
            p.fillRect(QRect(0, 0, 62, 60), bg);
        }
        const QTransform scaled = p.transform();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        // Soft shadow under the cube.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 70, 110, 70));
        p.drawEllipse(QRectF(9, 49, 46, 9));

        // Cube corners: top centre, left, right, front, and the bottom points.
        const double cx = 31, top = 3, a = 24, b = 12, h = 26;
        const QPointF T(cx, top), L(cx - a, top + b), R(cx + a, top + b), F(cx, top + 2 * b);
        const QPointF LB(L.x(), L.y() + h), RB(R.x(), R.y() + h), FB(F.x(), F.y() + h);
        struct Face {
            QPointF o, u, v; // origin and the two edge vectors of the face
            QColor tile;
            const char* letters;
        };
        const QColor base(128, 128, 192);
        const Face faces[3] = {
            {L, T - L, F - L, base.lighter(118), "WORD"},
            {L, F - L, LB - L, base, "PLAY"},
            {F, R - F, FB - F, base.darker(125), "CUBE"},
        };
        QFont font(QStringLiteral("Liberation Sans"));
        font.setBold(true);
        font.setPixelSize(11);
        p.setFont(font);
        for (const Face& face : faces) {
            for (int j = 0; j < 2; ++j)
                for (int i = 0; i < 2; ++i) {
                    // Each tile is the unit square mapped onto its quarter of the face.
                    QTransform t(face.u.x() / 2, face.u.y() / 2, face.v.x() / 2, face.v.y() / 2, face.o.x() + (face.u.x() * i + face.v.x() * j) / 2,
                                 face.o.y() + (face.u.y() * i + face.v.y() * j) / 2);
                    p.save();
                    p.setTransform(t * scaled);
                    const QRectF unit(0, 0, 1, 1);
                    p.setPen(Qt::NoPen);
                    p.setBrush(face.tile.darker(140));
                    p.drawRect(unit);
                    p.setBrush(face.tile);
                    p.drawRect(QRectF(0.07, 0.07, 0.86, 0.86));
                    p.setBrush(face.tile.lighter(118));
                    p.drawRect(QRectF(0.07, 0.07, 0.86, 0.12));
                    p.restore();
                    // Letters: drawn upright-ish in face space at a fixed pixel size.
                    p.save();
                    QTransform lt;
                    const QPointF centre = t.map(QPointF(0.5, 0.55));
                    const QPointF du = (face.u / 2) / std::hypot(face.u.x() / 2, face.u.y() / 2);
                    const QPointF dv = (face.v / 2) / std::hypot(face.v.x() / 2, face.v.y() / 2);
                    lt.setMatrix(du.x(), du.y(), 0, dv.x(), dv.y(), 0, centre.x(), centre.y(), 1);
                    if (&face == &faces[0]) // the top face reads best unrotated, squashed
                        lt.setMatrix(0.9, 0, 0, 0, 0.6, 0, centre.x(), centre.y() - 0.5, 1);
                    p.setTransform(lt * scaled);
                    p.setPen(QColor(255, 255, 255));
                    const QString letter(QChar::fromLatin1(face.letters[j * 2 + i]));
                    p.drawText(QRectF(-8, -8, 16, 16), Qt::AlignCenter, letter);
                    p.restore();
                }
        }
        // Crisp cube edges.
        p.setPen(QPen(QColor(40, 40, 80), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(QPolygonF({T, R, RB, FB, LB, L}));
        p.drawLine(L, F);
        p.drawLine(F, R);
        p.drawLine(F, FB);
        p.end();
    }
    return img;
}

// ---------------------------------------------------------------------------
// Backgrounds: textures that tile without seams, because every noise field
// and wave used has a whole number of periods across the picture.

class PeriodicNoise {
public:
    PeriodicNoise(int nCells, unsigned seed) : m_nCells(nCells), m_values(size_t(nCells) * nCells)
    {
        std::mt19937 rng(seed);
        std::uniform_real_distribution<double> dist(0.0, 1.0);
        for (double& v : m_values)
            v = dist(rng);
    }
    // u, v in cells; wraps every m_nCells.
    double At(double u, double v) const
    {
        const int x0 = int(std::floor(u)), y0 = int(std::floor(v));
        const double fx = Smooth(u - x0), fy = Smooth(v - y0);
        const double a = Cell(x0, y0), b = Cell(x0 + 1, y0), c = Cell(x0, y0 + 1), d = Cell(x0 + 1, y0 + 1);
        return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
    }

private:
    static double Smooth(double t) { return t * t * (3 - 2 * t); }
    double Cell(int x, int y) const
    {
        x = ((x % m_nCells) + m_nCells) % m_nCells;
        y = ((y % m_nCells) + m_nCells) % m_nCells;
        return m_values[size_t(y) * m_nCells + x];
    }
    int m_nCells;
    std::vector<double> m_values;
};

// Fractal noise over a square tile of `size` pixels, 0..1, seamless.
std::vector<double> TileNoise(int size, int nBaseCells, int nOctaves, unsigned seed)
{
    std::vector<double> out(size_t(size) * size, 0.0);
    double amp = 1.0, total = 0.0;
    for (int o = 0; o < nOctaves; ++o) {
        const int cells = nBaseCells << o;
        PeriodicNoise noise(cells, seed + 17 * o);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                out[size_t(y) * size + x] += amp * noise.At(double(x) * cells / size, double(y) * cells / size);
        total += amp;
        amp *= 0.5;
    }
    for (double& v : out)
        v /= total;
    return out;
}

QImage BlueTexture()
{
    const int n = 160;
    const std::vector<double> clouds = TileNoise(n, 4, 5, 101);
    const std::vector<double> fibres = TileNoise(n, 20, 2, 202);
    QImage img(n, n, QImage::Format_RGB32);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const double v = clouds[size_t(y) * n + x] * 0.8 + fibres[size_t(y) * n + x] * 0.2;
            // Stretch the middle of the range: a gentle, even mottle.
            const double t = std::clamp((v - 0.3) / 0.4, 0.0, 1.0);
            img.setPixel(x, y, Mix(qRgb(86, 126, 192), qRgb(132, 170, 226), t));
        }
    return img;
}

QImage GreenLinen()
{
    const int n = 128;
    const std::vector<double> mottle = TileNoise(n, 4, 4, 303);
    const std::vector<double> slub = TileNoise(n, 32, 2, 404);
    QImage img(n, n, QImage::Format_RGB32);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            // Plain weave: warp and weft alternate every two pixels; each
            // thread is brightest along its middle.
            const bool bWarp = ((x / 2) + (y / 2)) % 2 == 0;
            const double across = bWarp ? std::sin(kPi * ((x % 2) + 0.5) / 2) : std::sin(kPi * ((y % 2) + 0.5) / 2);
            double v = 0.55 * mottle[size_t(y) * n + x] + 0.25 * slub[size_t(y) * n + x] + 0.2 * across;
            v = std::clamp((v - 0.3) / 0.45, 0.0, 1.0);
            img.setPixel(x, y, Mix(qRgb(98, 140, 90), qRgb(150, 188, 132), v));
        }
    return img;
}

// Dark slate for the dark theme: a low, cool mottle with faint veins, dark enough for light letters
// beside dark tiles.
QImage SlateTexture()
{
    const int n = 160;
    const std::vector<double> mottle = TileNoise(n, 4, 5, 808);
    const std::vector<double> veins = TileNoise(n, 8, 3, 909);
    QImage img(n, n, QImage::Format_RGB32);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const double vein = 1.0 - std::min(1.0, std::abs(veins[size_t(y) * n + x] - 0.5) * 12.0);
            const double t = std::clamp((mottle[size_t(y) * n + x] - 0.3) / 0.4, 0.0, 1.0) * 0.8 + 0.2 * vein;
            img.setPixel(x, y, Mix(qRgb(22, 26, 34), qRgb(46, 52, 64), t));
        }
    return img;
}

// Sand with wind ripples, as indices into a ramp of sand colours (for GIF).
std::vector<unsigned char> SandIndices(int n, int nColours)
{
    const std::vector<double> warp = TileNoise(n, 3, 3, 505);
    const std::vector<double> drift = TileNoise(n, 6, 3, 606);
    std::mt19937 rng(707);
    static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    std::vector<unsigned char> out(size_t(n) * n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            // Eleven ripples down and two across the tile, bent by the noise.
            const double phase = 2 * kPi * (11.0 * y / n + 2.0 * x / n) + 5.0 * warp[size_t(y) * n + x];
            const double ripple = 0.5 + 0.5 * std::sin(phase);
            const double crest = std::pow(ripple, 3.0);
            double v = 0.45 + 0.25 * crest + 0.3 * (drift[size_t(y) * n + x] - 0.5);
            if (rng() % 23 == 0)
                v += (rng() % 2 ? 0.08 : -0.08); // grains
            v = std::clamp(v, 0.0, 0.999);
            const double level = v * (nColours - 1) + (kBayer[y % 4][x % 4] + 0.5) / 16.0 - 0.5;
            out[size_t(y) * n + x] = static_cast<unsigned char>(std::clamp(int(std::lround(level)), 0, nColours - 1));
        }
    return out;
}

std::vector<QRgb> SandPalette(int nColours)
{
    std::vector<QRgb> pal;
    for (int i = 0; i < nColours; ++i)
        pal.push_back(Mix(qRgb(178, 146, 100), qRgb(240, 222, 178), double(i) / (nColours - 1)));
    return pal;
}

// ---------------------------------------------------------------------------
// GIF writer: Qt reads GIF but does not write it. One image, a global colour
// table and LZW-compressed pixel indices.

class BitWriter {
public:
    void Put(unsigned code, int nBits)
    {
        m_acc |= quint64(code) << m_nBits;
        m_nBits += nBits;
        while (m_nBits >= 8) {
            m_bytes.push_back(char(m_acc & 0xFF));
            m_acc >>= 8;
            m_nBits -= 8;
        }
    }
    QByteArray Finish()
    {
        if (m_nBits > 0)
            m_bytes.push_back(char(m_acc & 0xFF));
        m_acc = 0;
        m_nBits = 0;
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint64 m_acc = 0;
    int m_nBits = 0;
};

QByteArray LzwCompress(const std::vector<unsigned char>& pixels, int nMinCodeSize)
{
    const unsigned clear = 1u << nMinCodeSize, eoi = clear + 1;
    std::unordered_map<unsigned, unsigned> table; // (prefix << 8 | byte) -> code
    unsigned next = eoi + 1;
    int nCodeSize = nMinCodeSize + 1;
    BitWriter out;
    out.Put(clear, nCodeSize);
    int prefix = -1;
    for (unsigned char px : pixels) {
        if (prefix < 0) {
            prefix = px;
            continue;
        }
        const unsigned key = (unsigned(prefix) << 8) | px;
        const auto it = table.find(key);
        if (it != table.end()) {
            prefix = int(it->second);
            continue;
        }
        out.Put(unsigned(prefix), nCodeSize);
        if (next < 4096) {
            table[key] = next++;
            // The reader widens its codes once it has assigned the last code of a width.
            if (next > (1u << nCodeSize) && nCodeSize < 12)
                ++nCodeSize;
        } else {
            out.Put(clear, nCodeSize);
            table.clear();
            next = eoi + 1;
            nCodeSize = nMinCodeSize + 1;
        }
        prefix = px;
    }
    if (prefix >= 0) {
        out.Put(unsigned(prefix), nCodeSize);
        // Reading that last code fills one more table slot, which may widen the reader's codes.
        if (next < 4096 && next == (1u << nCodeSize) && nCodeSize < 12)
            ++nCodeSize;
    }
    out.Put(eoi, nCodeSize);
    return out.Finish();
}

bool WriteGif(const QString& strPath, int w, int h, const std::vector<unsigned char>& pixels, const std::vector<QRgb>& palette)
{
    int nBits = 1;
    while ((1 << nBits) < int(palette.size()))
        ++nBits;
    const int nTable = 1 << nBits;
    QByteArray gif("GIF89a");
    auto put16 = [&](int v) {
        gif.push_back(char(v & 0xFF));
        gif.push_back(char((v >> 8) & 0xFF));
    };
    put16(w);
    put16(h);
    gif.push_back(char(0x80 | ((nBits - 1) << 4) | (nBits - 1))); // global table, colour resolution, size
    gif.push_back(char(0));                                         // background colour index
    gif.push_back(char(0));                                         // pixel aspect ratio
    for (int i = 0; i < nTable; ++i) {
        const QRgb c = i < int(palette.size()) ? palette[i] : qRgb(0, 0, 0);
        gif.push_back(char(qRed(c)));
        gif.push_back(char(qGreen(c)));
        gif.push_back(char(qBlue(c)));
    }
    gif.push_back(char(0x2C)); // image descriptor
    put16(0);
    put16(0);
    put16(w);
    put16(h);
    gif.push_back(char(0)); // no local table, not interlaced
    const int nMinCodeSize = std::max(2, nBits);
    gif.push_back(char(nMinCodeSize));
    const QByteArray data = LzwCompress(pixels, nMinCodeSize);
    for (int i = 0; i < data.size(); i += 255) {
        const int n = std::min<int>(255, int(data.size()) - i);
        gif.push_back(char(n));
        gif.append(data.constData() + i, n);
    }
    gif.push_back(char(0)); // end of image data
    gif.push_back(char(0x3B));
    QFile f(strPath);
    if (!f.open(QIODevice::WriteOnly) || f.write(gif) != gif.size())
        return false;
    return true;
}

void SaveJpeg(const QImage& img, const QString& strName)
{
    const QString strPath = g_strRoot + QStringLiteral("/data/") + strName;
    QDir().mkpath(QFileInfo(strPath).path());
    QImageWriter writer(strPath, "jpeg");
    writer.setQuality(92);
    if (!writer.write(img))
        Fail(QStringLiteral("cannot write %1: %2").arg(strPath, writer.errorString()));
    else
        std::printf("wrote data/%s (%dx%d)\n", qPrintable(strName), img.width(), img.height());
}

void SaveSand(const QString& strName)
{
    const int n = 160, nColours = 48;
    const std::vector<unsigned char> idx = SandIndices(n, nColours);
    const std::vector<QRgb> pal = SandPalette(nColours);
    const QString strPath = g_strRoot + QStringLiteral("/data/") + strName;
    if (!WriteGif(strPath, n, n, idx, pal)) {
        Fail(QStringLiteral("cannot write %1").arg(strPath));
        return;
    }
    // Read it back through Qt's own GIF reader: the program decodes it the same way.
    QImageReader reader(strPath);
    const QImage back = reader.read();
    if (back.isNull() || back.size() != QSize(n, n)) {
        Fail(QStringLiteral("%1 does not read back: %2").arg(strPath, reader.errorString()));
        return;
    }
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if ((back.pixel(x, y) & 0xFFFFFF) != (pal[idx[size_t(y) * n + x]] & 0xFFFFFF)) {
                Fail(QStringLiteral("%1 reads back wrong at %2,%3").arg(strPath).arg(x).arg(y));
                return;
            }
    std::printf("wrote data/%s (%dx%d, verified)\n", qPrintable(strName), n, n);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    g_strRoot = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    if (!QFileInfo(g_strRoot + QStringLiteral("/resources")).isDir()) {
        std::fprintf(stderr, "usage: artgen <source folder holding resources/ and data/>\n");
        return 2;
    }

    // The same drawings at one to four device pixels per pixel.
    for (g_k = 1; g_k <= 4; ++g_k) {
        SaveBitmap(128, HelpButton());
        // Red digits: ten cells of 15 pixels, digit d at x = 15 d (the last two columns stay black).
        SaveBitmap(131, DigitStrip(15, 18, DigitBox{2, 11, 1, 16, 8, 2}, qRgb(255, 52, 36), qRgb(40, 6, 4)).copy(0, 0, 152 * g_k, 18 * g_k));
        SaveBitmap(132, BlueButton(Symbol(QuestionShape(8.0, 1.0, 1.0), kYellow)));
        SaveBitmap(133, BlueButton(Symbol(CheckShape(), kGreen)));
        SaveBitmap(134, BlueButton(Symbol(LeftArrowShape(), kYellow)));
        const QImage left = LeftBank();
        SaveBitmap(138, left);
        SaveBitmap(139, left.mirrored(true, false));
        SaveBitmap(140, Rope());
        SaveBitmap(145, Walker());
        SaveBitmap(146, BlueButton(Symbol(RestartShape(), kYellow)));
        SaveBitmap(147, BlueButton(Symbol(PauseShape(), kYellow)));
        QImage white = NewImage(30, 30, QImage::Format_RGB888);
        white.fill(qRgb(255, 255, 255));
        SaveBitmap(156, white);
        SaveBitmap(157, Critters());
        SaveBitmap(159, AboutPicture());
        if (g_k == 1)
            for (int nSize : {16, 24, 32, 48, 64, 128, 256})
                Save(AboutPicture(nSize), QStringLiteral("resources/icons/hicolor/%1x%1/apps/com.brasswinkle.Quillotrix.png").arg(nSize));
        SaveBitmap(160, DigitStrip(10, 13, DigitBox{1, 8, 1, 12, 6, 2}, qRgb(72, 255, 72), qRgb(0, 30, 0)));
    }
    g_k = 1;

    SaveJpeg(BlueTexture(), QStringLiteral("Blue01.jpg"));
    SaveJpeg(GreenLinen(), QStringLiteral("Green02.jpg"));
    SaveSand(QStringLiteral("Sand03.gif"));
    SaveJpeg(SlateTexture(), QStringLiteral("Slate04.jpg"));
    return g_nFailures == 0 ? 0 : 1;
}
