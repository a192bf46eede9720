// varnholt-makepictures OUTDIR
//
// Draws the game's three pictures from scratch and writes them as 24-bit
// uncompressed BMP files: title.bmp (the title card), QAVLE.bmp (the quiet
// background behind every screen) and banner.bmp (the news strip).
// Standard library only; the lettering uses the hand-made 5x7 font below.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Colour {
  int r = 0, g = 0, b = 0;
};

Colour mix(Colour a, Colour b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {static_cast<int>(std::lround(a.r + (b.r - a.r) * t)),
          static_cast<int>(std::lround(a.g + (b.g - a.g) * t)),
          static_cast<int>(std::lround(a.b + (b.b - a.b) * t))};
}

class Picture {
 public:
  Picture(int width, int height) : width_(width), height_(height), pixels_(width * height) {}

  int width() const { return width_; }
  int height() const { return height_; }

  void set(int x, int y, Colour c) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[y * width_ + x] = c;
  }
  Colour get(int x, int y) const { return pixels_[y * width_ + x]; }

  // Blends a colour over what is already there.
  void blend(int x, int y, Colour c, double alpha) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) set(x, y, mix(get(x, y), c, alpha));
  }

  void fill(int x0, int y0, int w, int h, Colour c) {
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) set(x, y, c);
  }

  void blendRect(int x0, int y0, int w, int h, Colour c, double alpha) {
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) blend(x, y, c, alpha);
  }

  // Top-to-bottom gradient with a touch of ordered noise against banding.
  void verticalGradient(Colour top, Colour bottom) {
    for (int y = 0; y < height_; ++y) {
      const Colour row = mix(top, bottom, static_cast<double>(y) / (height_ - 1));
      for (int x = 0; x < width_; ++x) {
        const int jitter = static_cast<int>((x * 7 + y * 13) % 3) - 1;
        set(x, y, {row.r + jitter, row.g + jitter, row.b + jitter});
      }
    }
  }

  // A thick straight line, drawn as a run of filled discs.
  void line(double x0, double y0, double x1, double y1, double thickness, Colour c, double alpha = 1.0) {
    const double length = std::hypot(x1 - x0, y1 - y0);
    const int steps = std::max(1, static_cast<int>(length));
    const double radius = thickness / 2.0;
    std::vector<bool> touched(pixels_.size(), false);
    for (int i = 0; i <= steps; ++i) {
      const double cx = x0 + (x1 - x0) * i / steps;
      const double cy = y0 + (y1 - y0) * i / steps;
      for (int y = static_cast<int>(cy - radius); y <= static_cast<int>(cy + radius); ++y) {
        for (int x = static_cast<int>(cx - radius); x <= static_cast<int>(cx + radius); ++x) {
          if (x < 0 || y < 0 || x >= width_ || y >= height_) continue;
          if (std::hypot(x - cx, y - cy) > radius) continue;
          const std::size_t index = static_cast<std::size_t>(y * width_ + x);
          if (touched[index]) continue;
          touched[index] = true;
          blend(x, y, c, alpha);
        }
      }
    }
  }

  bool save(const std::string& path) const;

 private:
  int width_;
  int height_;
  std::vector<Colour> pixels_;
};

void putLe(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// How light the window counts a colour when it picks the lightest one of a picture for the lettering drawn on
// it: 0.2126 red + 0.7152 green + 0.0722 blue, each channel the single-precision fraction a colour of 16 bits
// a channel gives, summed in double, exactly as the window does.
double lightness(Colour c) {
  auto fraction = [](int v) { return static_cast<double>(static_cast<float>(std::clamp(v, 0, 255) * 257) / 65535.0f); };
  return 0.2126 * fraction(c.r) + 0.7152 * fraction(c.g) + 0.0722 * fraction(c.b);
}

bool Picture::save(const std::string& path) const {
  const uint32_t rowBytes = (static_cast<uint32_t>(width_) * 3 + 3) & ~3u;
  const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(height_);
  std::string out;
  out.reserve(54 + imageBytes);
  // The lightest colour, the first in reading order on a tie: the window reads it from the header instead of
  // going through every pixel at start-up.
  Colour lightest = get(0, 0);
  double most = -1;
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (const double l = lightness(get(x, y)); l > most) {
        most = l;
        lightest = get(x, y);
      }
  out += "BM";
  putLe(out, 54 + imageBytes, 4);  // file size
  // The two reserved words are the application's: an 'L' and the lightest colour's red, green and blue.
  out.push_back('L');
  for (int channel : {lightest.r, lightest.g, lightest.b}) out.push_back(static_cast<char>(std::clamp(channel, 0, 255)));
  putLe(out, 54, 4);               // offset of the pixels
  putLe(out, 40, 4);               // BITMAPINFOHEADER
  putLe(out, static_cast<uint32_t>(width_), 4);
  putLe(out, static_cast<uint32_t>(height_), 4);  // positive: rows stored bottom-up
  putLe(out, 1, 2);                               // planes
  putLe(out, 24, 2);                              // bits per pixel
  putLe(out, 0, 4);                               // no compression
  putLe(out, imageBytes, 4);
  putLe(out, 2835, 4);  // 72 dpi
  putLe(out, 2835, 4);
  putLe(out, 0, 4);
  putLe(out, 0, 4);
  for (int y = height_ - 1; y >= 0; --y) {
    for (int x = 0; x < width_; ++x) {
      const Colour c = get(x, y);
      out.push_back(static_cast<char>(std::clamp(c.b, 0, 255)));
      out.push_back(static_cast<char>(std::clamp(c.g, 0, 255)));
      out.push_back(static_cast<char>(std::clamp(c.r, 0, 255)));
    }
    for (uint32_t pad = static_cast<uint32_t>(width_) * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  file.close();
  return static_cast<bool>(file);
}

// ---- lettering ----------------------------------------------------------------

struct Glyph {
  char letter;
  const char* rows[7];
};

constexpr Glyph Font[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {'-', {".....", ".....", ".....", "#####", ".....", ".....", "....."}},
    {'.', {".....", ".....", ".....", ".....", ".....", ".##..", ".##.."}},
    {'!', {"..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."}},
    {'\'', {"..#..", "..#..", ".#...", ".....", ".....", ".....", "....."}},
};

constexpr int GlyphWidth = 5;
constexpr int GlyphHeight = 7;

const Glyph* findGlyph(char letter) {
  for (const auto& glyph : Font)
    if (glyph.letter == letter) return &glyph;
  return nullptr;  // blanks and anything unknown leave a gap
}

// Width in pixels of a line of lettering: one blank column between letters.
int textWidth(std::string_view text, int scale) {
  if (text.empty()) return 0;
  return static_cast<int>(text.size()) * (GlyphWidth + 1) * scale - scale;
}

void drawText(Picture& picture, int left, int top, std::string_view text, int scale, Colour c) {
  int x = left;
  for (char letter : text) {
    if (const Glyph* glyph = findGlyph(letter)) {
      for (int row = 0; row < GlyphHeight; ++row)
        for (int col = 0; col < GlyphWidth; ++col)
          if (glyph->rows[row][col] == '#') picture.fill(x + col * scale, top + row * scale, scale, scale, c);
    }
    x += (GlyphWidth + 1) * scale;
  }
}

// Centred lettering with a drop shadow; `topShade`/`bottomShade` colour the
// letters from their top row to their bottom row.
void drawCentredText(Picture& picture, int top, std::string_view text, int scale, Colour topShade,
                     Colour bottomShade, Colour shadow, int shadowOffset) {
  const int left = (picture.width() - textWidth(text, scale)) / 2;
  drawText(picture, left + shadowOffset, top + shadowOffset, text, scale, shadow);
  for (int row = 0; row < GlyphHeight * scale; ++row) {
    // Paint one pixel row of every letter at a time to get the shading.
    const Colour c = mix(topShade, bottomShade, static_cast<double>(row) / (GlyphHeight * scale - 1));
    int x = left;
    for (char letter : text) {
      if (const Glyph* glyph = findGlyph(letter)) {
        const char* bits = glyph->rows[row / scale];
        for (int col = 0; col < GlyphWidth; ++col)
          if (bits[col] == '#') picture.fill(x + col * scale, top + row, scale, 1, c);
      }
      x += (GlyphWidth + 1) * scale;
    }
  }
}

// ---- the pictures ---------------------------------------------------------------

// A soft cone of light falling from a point above.
void spotlight(Picture& picture, double sx, double sy, double spread, double strength, Colour light) {
  for (int y = 0; y < picture.height(); ++y) {
    if (y <= sy) continue;
    const double halfWidth = (y - sy) * spread;
    for (int x = 0; x < picture.width(); ++x) {
      const double off = std::abs(x - sx) / halfWidth;
      if (off >= 1.0) continue;
      const double fade = (1.0 - off * off) * strength * (1.0 - (y - sy) / (picture.height() * 1.4));
      picture.blend(x, y, light, std::max(0.0, fade));
    }
  }
}

void drawTurnbuckle(Picture& picture, int postX, int y, Colour pad) {
  picture.fill(postX - 9, y - 9, 18, 18, pad);
  picture.fill(postX - 9, y - 9, 18, 3, mix(pad, {255, 255, 255}, 0.35));
  picture.fill(postX - 9, y + 6, 18, 3, mix(pad, {0, 0, 0}, 0.4));
}

Picture titleCard() {
  Picture p(640, 480);
  p.verticalGradient({34, 18, 58}, {6, 4, 12});
  spotlight(p, 200, -60, 0.45, 0.16, {255, 240, 200});
  spotlight(p, 440, -60, 0.45, 0.16, {255, 240, 200});

  // The ring from the front: posts, turnbuckles, three ropes, the mat edge
  // and the apron skirt reaching down to the floor.
  const int leftPost = 90, rightPost = 550;
  const int matY = 390;
  // Canvas glimpsed between the bottom rope and the apron.
  p.fill(leftPost, matY - 14, rightPost - leftPost, 14, {196, 196, 188});
  // Apron skirt.
  for (int y = matY; y < 452; ++y) {
    const Colour skirt = mix({120, 16, 22}, {50, 6, 10}, (y - matY) / 62.0);
    p.fill(leftPost - 14, y, rightPost - leftPost + 28, 1, skirt);
  }
  p.fill(leftPost - 14, matY, rightPost - leftPost + 28, 3, {230, 200, 90});
  // Floor.
  for (int y = 452; y < 480; ++y) p.fill(0, y, 640, 1, mix({22, 18, 26}, {8, 6, 10}, (y - 452) / 28.0));
  // Posts.
  for (int post : {leftPost, rightPost}) {
    for (int x = post - 6; x <= post + 6; ++x) {
      const Colour steel = mix({90, 94, 104}, {210, 214, 222}, 1.0 - std::abs(x - post + 2) / 8.0);
      p.fill(x, 238, 1, matY - 238, steel);
    }
  }
  const int ropes[] = {270, 310, 350};
  const Colour ropeColours[] = {{214, 40, 44}, {236, 236, 236}, {40, 80, 200}};
  for (int i = 0; i < 3; ++i) {
    // Ropes sag a little towards the middle.
    double lastX = leftPost, lastY = ropes[i];
    for (int x = leftPost; x <= rightPost; x += 4) {
      const double t = static_cast<double>(x - leftPost) / (rightPost - leftPost);
      const double y = ropes[i] + 6.0 * std::sin(t * 3.14159265);
      p.line(lastX, lastY, x, y, 6, ropeColours[i]);
      p.line(lastX, lastY - 1.5, x, y - 1.5, 1.5, mix(ropeColours[i], {255, 255, 255}, 0.5));
      lastX = x;
      lastY = y;
    }
    drawTurnbuckle(p, leftPost, ropes[i], {30, 60, 170});
    drawTurnbuckle(p, rightPost, ropes[i], {170, 26, 32});
  }

  drawCentredText(p, 48, "VARNHOLT", 11, {255, 230, 120}, {214, 130, 30}, {0, 0, 0}, 5);
  drawCentredText(p, 148, "WRESTLING PROMOTION MANAGER", 3, {236, 236, 244}, {180, 184, 200}, {0, 0, 0}, 2);
  // A thin rule under the subtitle.
  p.fill(150, 182, 340, 2, {200, 160, 60});
  drawCentredText(p, 415, "EST. 1989", 2, {240, 220, 150}, {220, 190, 110}, {30, 0, 0}, 1);
  return p;
}

Picture quietBackground() {
  Picture p(1024, 768);
  p.verticalGradient({38, 46, 66}, {16, 20, 30});
  // Gentle darkening towards the edges keeps the eye in the middle.
  for (int y = 0; y < p.height(); ++y) {
    for (int x = 0; x < p.width(); ++x) {
      const double dx = (x - 512.0) / 512.0, dy = (y - 384.0) / 384.0;
      p.blend(x, y, {0, 0, 0}, std::min(0.35, 0.22 * (dx * dx + dy * dy)));
    }
  }
  // Faint ropes running in from the sides, as if seen from ringside.
  const Colour rope = {120, 132, 160};
  for (int i = 0; i < 3; ++i) {
    const double y = 470 + i * 70;
    p.line(-20, y - 40, 1044, y + 30, 5, rope, 0.09);
  }
  // A faint corner post on the right.
  p.line(930, 330, 930, 768, 14, rope, 0.07);
  return p;
}

Picture newsBanner() {
  Picture p(600, 90);
  p.verticalGradient({24, 24, 32}, {10, 10, 16});
  // The strip itself, in red with gold edges.
  for (int y = 14; y < 76; ++y) p.fill(0, y, 600, 1, mix({196, 28, 34}, {110, 12, 18}, (y - 14) / 62.0));
  p.fill(0, 12, 600, 3, {232, 196, 84});
  p.fill(0, 75, 600, 3, {232, 196, 84});
  // Chevrons at both ends.
  for (int k = 0; k < 3; ++k) {
    const int off = k * 16;
    p.line(20 + off, 30, 32 + off, 45, 4, {255, 236, 170});
    p.line(32 + off, 45, 20 + off, 60, 4, {255, 236, 170});
    p.line(580 - off, 30, 568 - off, 45, 4, {255, 236, 170});
    p.line(568 - off, 45, 580 - off, 60, 4, {255, 236, 170});
  }
  drawCentredText(p, 27, "WRESTLING NEWS", 5, {255, 255, 255}, {236, 226, 200}, {60, 0, 0}, 3);
  return p;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: varnholt-makepictures OUTDIR\n";
    return 1;
  }
  const std::string dir = argv[1];
  struct Output {
    const char* name;
    Picture picture;
  };
  const Output outputs[] = {
      {"title.bmp", titleCard()},
      {"QAVLE.bmp", quietBackground()},
      {"banner.bmp", newsBanner()},
  };
  for (const auto& output : outputs) {
    const std::string path = dir + "/" + output.name;
    if (!output.picture.save(path)) {
      std::cerr << path << ": cannot write the picture\n";
      return 1;
    }
  }
  return 0;
}
