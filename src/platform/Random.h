#pragma once

// Random numbers as the classic Rnd and Randomize gave them.
class Random {
public:
    virtual ~Random() = default;
    // The next number of the sequence, at least 0 and less than 1.
    virtual double Rnd() = 0;
    // Reseeds the sequence from the time of day.
    virtual void Randomize() = 0;

    // An integer from low to high inclusive, every value equally likely: Int((high - low + 1) x Rnd
    // + low), never past high.
    int between(int low, int high);
};

// The classic 24-bit linear congruential generator, seeded from the seconds since midnight.
class LegacyRandom : public Random {
public:
    double Rnd() override;
    void Randomize() override;
    void RandomizeWith(double seed);

private:
    unsigned state_ = 0x50000;
};
