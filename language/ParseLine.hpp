#pragma once
// The source line the parse running on the calling thread has reached. Errors raised without a
// syntax-tree node take their line from here. Each parse publishes its own line counter for its
// duration, per thread, so parses on different threads never see each other's lines.

namespace TavLanguage {

// Line of the current parse on this thread; 0 when this thread is not parsing.
int CurrentParseLine();

// Publishes a line counter as this thread's current one while it lives (restores the previous).
class ParseLineScope {
public:
    explicit ParseLineScope(const int* line);
    ~ParseLineScope();
    ParseLineScope(const ParseLineScope&) = delete;
    ParseLineScope& operator=(const ParseLineScope&) = delete;

private:
    const int* m_previous;
};

} // namespace TavLanguage
