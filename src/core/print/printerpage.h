#pragma once

#include <string>

// The printer as the reports see it: one page at a time, positions in twips
// from the top-left corner of the printable area.
namespace tarvello {

class IPrinterPage
{
public:
    virtual ~IPrinterPage() = default;

    // Font of the following measurements and prints. An empty face keeps the
    // face chosen before.
    virtual void SetFontName(const std::string &face) = 0;
    virtual void SetFontBold(bool bold) = 0;
    virtual void SetFontSize(float points) = 0;
    virtual void SetFontItalic(bool italic) = 0;

    // Width and height of text in the current font, in twips.
    virtual double TextWidth(const std::string &text) = 0;
    virtual double TextHeight(const std::string &text) = 0;

    // The current position.
    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;
    virtual void SetCurrentX(double x) = 0;
    virtual void SetCurrentY(double y) = 0;

    // Height of the printable area in twips.
    virtual double ScaleHeight() const = 0;

    // Prints text (Windows-1252 bytes) at the current position; the position
    // then moves to the start of the next line.
    virtual void Print(const std::string &text) = 0;

    virtual void NewPage() = 0;
    // Ends the document: the job goes to the printer.
    virtual void EndDoc() = 0;
    // Abandons the job after a failure: nothing more is printed.
    virtual void KillDoc() = 0;
};

} // namespace tarvello
