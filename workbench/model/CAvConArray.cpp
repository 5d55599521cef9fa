#include "workbench/model/CAvConArray.hpp"

#include <string>

namespace TavWorkbench {

namespace {

// Placeholders stand between the single bytes 0xAB and 0xBB.
std::string Gap(const char* name) {
    return std::string("\xAB") + name + "\xBB";
}

// The comparison pattern "%s    %s   %s ;".
std::string Comparison(const char* op) {
    return Gap("Exp") + "    " + Gap(op) + "   " + Gap("Exp") + " ;";
}

} // namespace

CAvConArray::CAvConArray() {
    using Category = CAvailCon::Category;
    const auto add = [this](const char* name, std::string text, Category category, int help) {
        Add(std::make_unique<CAvailCon>(name, std::move(text), category, help));
    };
    const Category comparison = Category::Comparison;
    const Category general = Category::General;
    const Category sets = Category::SetConstraint;
    add("Equal(A,B)", Comparison("="), comparison, -1);
    add("NotEqual(A,B)", Comparison("<>"), comparison, -1);
    add("LessThanEqual(A,B)", Comparison("<="), comparison, -1);
    add("GreaterThanEqual(A,B)", Comparison(">="), comparison, -1);
    add("LessThan(A,B)", Comparison("<"), comparison, -1);
    add("GreaterThan(A,B)", Comparison(">"), comparison, -1);
    add("Element(IntegerVariable,ValueList,Variable)",
        "Element(" + Gap("Integer Variable") + " , " + Gap("[Value List]") + " ,  " + Gap("Variable") + ") ;",
        general, -1);
    add("Sequence(VariableList,ValueList)",
        "Sequence(" + Gap("[Variable List]") + " , " + Gap("[Value List]") + ") ;", general, -1);
    add("Soft(Constraint,Integer Penalty)", "Soft( " + Gap("Constraint") + ", " + Gap("Integer") + " ) ;",
        general, 1159);
    add("AllDifferent(VariableList)", "AllDifferent( " + Gap("[Variable List]") + " ) ;", general, 1158);
    add("AllDifferent(Array Variable)", "AllDifferent( " + Gap("Array Variable") + " ) ;", general, 1158);
    add("Circuit(VariableList)", "Circuit( " + Gap("[Variable List]") + " ) ;", general, -1);
    add("Member(Obj,Set)", "Member( " + Gap("Integer or Integer Variable") + " , " + Gap("Set") + " ) ;",
        sets, -1);
    add("NotMember(Obj,Set)",
        "NotMember( " + Gap("Integer or Integer Variable") + " , " + Gap("Set") + " ) ;", sets, -1);
    add("Subset(Set,Set)", Gap("Set") + " SubsetOf " + Gap("Set") + " ;", sets, -1);
    add("StrictSubset(Set,Set)", Gap("Set") + " StrictSubsetOf " + Gap("Set") + " ;", sets, -1);
    add("AllDisjoint(Variable List)", "AllDisjoint( " + Gap("[Variable List]") + ") ;", sets, -1);
    add("Count(Variable List, ValueList)",
        "Count(" + Gap("[Variable List]") + "," + Gap("[Value List]") + ") ;", general, -1);
    add("Cardinality(SetVar, Comparison Symbol, Integer)",
        "#" + Gap("SetVariable") + " " + Gap("Comparison Symbol") + " " + Gap("Integer") + " ;", sets, -1);
}

} // namespace TavWorkbench
