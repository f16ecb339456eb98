#pragma once

// A resampling filter: a support width and a weight function, the kernel of
// a separable resampling step.
namespace tarvello {

class IGenericFilter
{
public:
    virtual ~IGenericFilter() = default;

    // Support half-width in source pixels.
    virtual double Width() const = 0;
    virtual void SetWidth(double width) = 0;
    // The weight at distance dVal from the sample centre.
    virtual double Filter(double dVal) const = 0;
};

// The box filter: weight 1.0 up to distance 1 inclusive (only at distance 0
// when the width is 0), else 0.0. The width is stored as given.
class ClsBoxFilter : public IGenericFilter
{
public:
    double Width() const override { return m_width; }
    void SetWidth(double width) override { m_width = width; }
    double Filter(double dVal) const override;

private:
    double m_width = 0.5;
};

} // namespace tarvello
