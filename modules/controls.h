// Plain C++ models of the window's controls. The model holds the truth (range, position,
// text); a view (a Qt widget, or nothing in the headless driver) mirrors it through a
// listener, and user input comes back through the same setters as code does.
#pragma once

#include <functional>
#include <string>

namespace plenova {

// An integer slider. Setting the position clamps it to [min, max]; a clamped value equal to
// the position does nothing; otherwise the position is stored, the view is told, and the
// change handler runs once, synchronously, before the setter returns.
class Slider {
  public:
    Slider(std::string name, int min, int max, int position, int smallStep, int largeStep);
    Slider(const Slider&) = delete;
    Slider& operator=(const Slider&) = delete;

    const std::string& name() const { return name_; }
    int min() const { return min_; }
    int max() const { return max_; }
    int position() const { return position_; }
    int smallStep() const { return smallStep_; }
    int largeStep() const { return largeStep_; }

    void setPosition(long long requested);
    // Puts a position in place without running the change handler (clamped; the view is
    // told), as the start-up does and as an opened readings file does.
    void place(int position);

    // The change handler; connected only after every start position is in place.
    void setOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }
    // The view that mirrors the position; told before the handler runs.
    void setView(std::function<void(int)> view) { view_ = std::move(view); }

  private:
    std::string name_;
    int min_;
    int max_;
    int position_;
    int smallStep_;
    int largeStep_;
    std::function<void()> onChange_;
    std::function<void(int)> view_;
};

// A text shown on a page or on the report.
class Label {
  public:
    Label(std::string name, std::string text = "0");
    Label(const Label&) = delete;
    Label& operator=(const Label&) = delete;

    const std::string& name() const { return name_; }
    const std::string& text() const { return text_; }
    void setText(std::string text);
    void setView(std::function<void(const std::string&)> view) { view_ = std::move(view); }

  private:
    std::string name_;
    std::string text_;
    std::function<void(const std::string&)> view_;
};

// A one-line edit box: every change of its text runs the change handler.
class TextBox {
  public:
    TextBox(std::string name, std::string text);
    TextBox(const TextBox&) = delete;
    TextBox& operator=(const TextBox&) = delete;

    const std::string& name() const { return name_; }
    const std::string& text() const { return text_; }
    void setText(std::string text);
    void setOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }
    void setView(std::function<void(const std::string&)> view) { view_ = std::move(view); }

  private:
    std::string name_;
    std::string text_;
    std::function<void()> onChange_;
    std::function<void(const std::string&)> view_;
};

}  // namespace plenova
