#include "core/shapes/CShapeTable.h"
#include <algorithm>
#include <dirent.h>

namespace {

bool EndsWithBmp(const std::string& name)
{
    // The pattern "*.bmp" matched case-insensitively, as file systems that ship the set do.
    if (name.size() < 4)
        return false;
    std::string ext = name.substr(name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".bmp";
}

bool ByteLess(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
}

char SizeDigit(int size) { return static_cast<char>('0' + size); }

} // namespace

void CShapeTable::Finish(std::vector<std::string> names)
{
    // Sort all names first so that a set of more than 200 files keeps the same first 200.
    std::sort(names.begin(), names.end(), ByteLess);
    if (names.size() > kCapacity)
        names.resize(kCapacity);
    m_shapeCount = static_cast<uint8_t>(names.size());
    for (size_t i = 0; i < names.size(); ++i)
        m_shapeNames[i] = names[i];
    for (size_t i = names.size(); i < kCapacity; ++i) {
        m_shapeNames[i].clear();
        m_shapes[i].reset();
    }
}

void CShapeTable::LoadShapes(const std::string& programDir, IHost* host)
{
    std::vector<std::string> names;
    std::string dir = programDir + "shapes/";
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            std::string n = e->d_name;
            if (EndsWithBmp(n))
                names.push_back(n);
        }
        closedir(d);
    }
    Finish(std::move(names));
    for (int i = 0; i < m_shapeCount; ++i) {
        m_shapes[i] = std::make_unique<CShape>();
        if (!m_shapes[i]->Load(dir + m_shapeNames[i]) && host)
            host->Message("error loading shape", MsgIcon::None);
    }
    for (int i = 0; i < m_shapeCount; ++i)
        if (!m_shapeNames[i].empty() && m_shapeNames[i][0] != 0)
            SelectShapeSize(m_shapeNames[i][0], 1);
    for (int i = 0; i < m_shapeCount; ++i)
        if (m_shapes[i]->m_shown) {
            m_currentShape = static_cast<uint8_t>(i);
            break;
        }
}

void CShapeTable::LoadFromImages(std::vector<std::string> names, std::vector<CImage32> images)
{
    std::vector<size_t> order(names.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return ByteLess(names[a], names[b]); });
    std::vector<std::string> sorted;
    for (size_t i : order)
        sorted.push_back(names[i]);
    Finish(sorted);
    for (int i = 0; i < m_shapeCount; ++i) {
        m_shapes[i] = std::make_unique<CShape>();
        m_shapes[i]->SetImage(images[order[i]]);
    }
    for (int i = 0; i < m_shapeCount; ++i)
        SelectShapeSize(m_shapeNames[i][0], 1);
    m_currentShape = 0;
    for (int i = 0; i < m_shapeCount; ++i)
        if (m_shapes[i]->m_shown) {
            m_currentShape = static_cast<uint8_t>(i);
            break;
        }
}

bool CShapeTable::PrepareAll()
{
    for (int i = 0; i < m_shapeCount; ++i)
        if (!m_shapes[i]->Prepare())
            return false;
    return true;
}

bool CShapeTable::ShapeSizeExists(char letter, int size) const
{
    return FindShape(letter, size) < m_shapeCount;
}

int CShapeTable::FindShape(char letter, int size) const
{
    for (int i = 0; i < m_shapeCount; ++i) {
        const std::string& n = m_shapeNames[i];
        if (n.size() >= 3 && n[0] == letter && n[2] == SizeDigit(size))
            return i;
    }
    return m_shapeCount;
}

void CShapeTable::SelectShapeSize(char letter, int size)
{
    for (int s = 0; s < 3; ++s) {
        int i = FindShape(letter, s);
        if (i < m_shapeCount)
            m_shapes[i]->m_shown = 0;
    }
    auto down = [](int s) { return s == 0 ? 2 : s - 1; };
    int chosen = size;
    if (!ShapeSizeExists(letter, chosen)) {
        chosen = down(chosen);
        if (!ShapeSizeExists(letter, chosen))
            chosen = down(chosen);
    }
    int i = FindShape(letter, chosen);
    // A family without any size digit has nothing to show; leave it hidden.
    if (i < m_shapeCount)
        m_shapes[i]->m_shown = 1;
}

int CShapeTable::NthShownShape(int n)
{
    int count = 0;
    for (int i = 0; i < m_shapeCount; ++i) {
        if (!m_shapes[i]->m_shown)
            continue;
        if (count == n) {
            m_currentShape = static_cast<uint8_t>(i);
            return i;
        }
        ++count;
    }
    return m_shapeCount;
}
