#include "core/print/PdfWriter.h"
#include <cmath>
#include <string>

namespace {
// Fixed four decimals without the C library, so a locale's decimal comma never gets in.
std::string Num(double v)
{
    long long t = std::llround(v * 10000.0);
    std::string s = t < 0 ? "-" : "";
    t = std::llabs(t);
    s += std::to_string(t / 10000);
    std::string frac = std::to_string(t % 10000);
    return s + "." + std::string(4 - frac.size(), '0') + frac;
}

class PdfBuilder {
public:
    void Text(const std::string& s) { m_out.insert(m_out.end(), s.begin(), s.end()); }
    void Bytes(const std::vector<uint8_t>& b) { m_out.insert(m_out.end(), b.begin(), b.end()); }
    void BeginObject()
    {
        m_offsets.push_back(m_out.size());
        Text(std::to_string(m_offsets.size()) + " 0 obj\n");
    }
    void Stream(const std::string& dict, const std::vector<uint8_t>& data)
    {
        BeginObject();
        Text("<<" + dict + " /Length " + std::to_string(data.size()) + ">>\nstream\n");
        Bytes(data);
        Text("\nendstream\nendobj\n");
    }
    std::vector<uint8_t> Finish()
    {
        const size_t xref = m_out.size();
        Text("xref\n0 " + std::to_string(m_offsets.size() + 1) + "\n0000000000 65535 f \n");
        for (size_t off : m_offsets) {
            std::string n = std::to_string(off);
            Text(std::string(10 - n.size(), '0') + n + " 00000 n \n");
        }
        Text("trailer\n<</Size " + std::to_string(m_offsets.size() + 1) + " /Root 1 0 R>>\nstartxref\n" +
             std::to_string(xref) + "\n%%EOF\n");
        return std::move(m_out);
    }

private:
    std::vector<uint8_t> m_out;
    std::vector<size_t> m_offsets;
};
} // namespace

std::vector<uint8_t> RunLengthEncode(const std::vector<uint8_t>& bytes)
{
    std::vector<uint8_t> out;
    const size_t n = bytes.size();
    size_t i = 0;
    while (i < n) {
        size_t run = 1;
        while (i + run < n && run < 128 && bytes[i + run] == bytes[i])
            ++run;
        if (run >= 2) {
            out.push_back(static_cast<uint8_t>(257 - run));
            out.push_back(bytes[i]);
            i += run;
            continue;
        }
        // A literal stretch ends where a repeat of two or more begins.
        size_t lit = 1;
        while (i + lit < n && lit < 128 && !(i + lit + 1 < n && bytes[i + lit] == bytes[i + lit + 1]))
            ++lit;
        out.push_back(static_cast<uint8_t>(lit - 1));
        out.insert(out.end(), bytes.begin() + static_cast<long>(i), bytes.begin() + static_cast<long>(i + lit));
        i += lit;
    }
    out.push_back(128);
    return out;
}

std::vector<uint8_t> BuildImagePagePdf(const CImage32& image, double pageWidth, double pageHeight, const CPdfBox& box)
{
    std::vector<uint8_t> rgb;
    rgb.reserve(static_cast<size_t>(image.Width()) * static_cast<size_t>(image.Height()) * 3);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const Pixel p = image.At(x, y);
            rgb.push_back(static_cast<uint8_t>(PixelRed(p)));
            rgb.push_back(static_cast<uint8_t>(PixelGreen(p)));
            rgb.push_back(static_cast<uint8_t>(PixelBlue(p)));
        }
    // The image space's unit square is mapped onto the box; PDF counts y from the bottom.
    const std::string place = "q " + Num(box.width) + " 0 0 " + Num(box.height) + " " + Num(box.x) + " " +
                              Num(pageHeight - box.y - box.height) + " cm /Im0 Do Q\n";

    PdfBuilder pdf;
    pdf.Text("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    pdf.BeginObject();
    pdf.Text("<</Type /Catalog /Pages 2 0 R>>\nendobj\n");
    pdf.BeginObject();
    pdf.Text("<</Type /Pages /Kids [3 0 R] /Count 1>>\nendobj\n");
    pdf.BeginObject();
    pdf.Text("<</Type /Page /Parent 2 0 R /MediaBox [0 0 " + Num(pageWidth) + " " + Num(pageHeight) +
             "] /Resources <</XObject <</Im0 5 0 R>>>> /Contents 4 0 R>>\nendobj\n");
    pdf.Stream("", std::vector<uint8_t>(place.begin(), place.end()));
    pdf.Stream("/Type /XObject /Subtype /Image /Width " + std::to_string(image.Width()) + " /Height " +
                   std::to_string(image.Height()) +
                   " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Interpolate false /Filter /RunLengthDecode",
               RunLengthEncode(rgb));
    return pdf.Finish();
}
