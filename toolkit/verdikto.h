#pragma once

// The verdict at the end of an exercise, from its right and wrong answers.
// Widget-free: the exercise runs and the verdict's message box share it.
class Verdikto
{
public:
    // right*100/(right+wrong), the fraction dropped; 0 before any answer.
    static int procento(int gxustaj, int malgxustaj);
    // The pass mark: at least 70 % right.
    static bool trapasas(int gxustaj, int malgxustaj);
};
