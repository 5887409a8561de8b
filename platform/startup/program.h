#pragma once

#include <functional>
#include <vector>

#include "platform/how_it_works/records/code_index.h"
#include "platform/runtime/runtime.h"

namespace forms {

// One form class of a program: its name and how to reach its one instance.
struct FormClass {
    const char* name;
    std::function<Form&(Runtime&)> instance;

    template <typename F>
    static FormClass of(const char* name) {
        return {name, [](Runtime& runtime) -> Form& { return runtime.form<F>(); }};
    }
};

// What a program hands to the runtime: the name it is run by, its title, its forms and the
// start-up form. The runtime loads the start-up form (running its Load handler), shows it when
// Load returns, even if Load failed before its own Show, and then dispatches events until the
// program ends. "--version" prints `version` ("name 1.0") and "--help" prints `usage`, with no
// display.
struct Project {
    const char* name;
    const char* title;
    std::vector<FormClass> forms;
    const char* startup;
    // The text file of the program's own code that it reads from its directory, if any; the
    // window that shows how the program works shows its handlers from what was read.
    const char* codeFile = nullptr;
    const char* version = "";
    const char* usage = "";
    // The names a learner knows the effects of the code by, in the order they are offered.
    std::vector<NamedEffect> codeEffects = {};
};

// Sets up Qt and the bundled fonts for forms; the program and the tests both start with it.
void prepareApplication(const char* title);

// Starts the start-up form of a project within an existing application and runtime.
Form& startProject(Runtime& runtime, const Project& project);

// The process entry's whole work: runs the project and returns the exit status.
int run(int argc, char** argv, const Project& project);

}  // namespace forms
