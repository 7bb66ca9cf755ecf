#pragma once

namespace zelvan {

// The wait cursor while an export writes, restored on every way out. Set only
// once the user has answered the export's question: a busy cursor must never
// cover a message box. Without a GUI application (the batch tool's tests) it
// does nothing.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    bool m_active = false;
};

} // namespace zelvan
