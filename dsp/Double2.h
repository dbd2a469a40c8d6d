#pragma once

#include <emmintrin.h>

/** Two doubles side by side in one SSE2 register: lane 0 is the left channel, lane 1
    the right. Every operation is the IEEE operation of the scalar form applied to each
    lane, so with contraction off the results are the same bits as two scalar runs. */
struct Double2
{
    __m128d v;

    Double2() noexcept : v (_mm_setzero_pd()) {}
    Double2 (__m128d x) noexcept : v (x) {}
    explicit Double2 (double both) noexcept : v (_mm_set1_pd (both)) {}
    Double2 (double left, double right) noexcept : v (_mm_set_pd (right, left)) {}

    double left() const noexcept { return _mm_cvtsd_f64 (v); }
    double right() const noexcept { return _mm_cvtsd_f64 (_mm_unpackhi_pd (v, v)); }

    friend Double2 operator+ (Double2 a, Double2 b) noexcept { return _mm_add_pd (a.v, b.v); }
    friend Double2 operator- (Double2 a, Double2 b) noexcept { return _mm_sub_pd (a.v, b.v); }
    friend Double2 operator* (Double2 a, Double2 b) noexcept { return _mm_mul_pd (a.v, b.v); }
    friend Double2 operator/ (Double2 a, Double2 b) noexcept { return _mm_div_pd (a.v, b.v); }

    /** Sign flip, like the scalar unary minus (not 0 - x, which differs for +0). */
    friend Double2 operator- (Double2 a) noexcept { return _mm_xor_pd (a.v, _mm_set1_pd (-0.0)); }

    friend Double2 operator& (Double2 a, Double2 b) noexcept { return _mm_and_pd (a.v, b.v); }
    friend Double2 operator| (Double2 a, Double2 b) noexcept { return _mm_or_pd (a.v, b.v); }

    static Double2 sqrt (Double2 a) noexcept { return _mm_sqrt_pd (a.v); }
    static Double2 abs (Double2 a) noexcept { return _mm_andnot_pd (_mm_set1_pd (-0.0), a.v); }

    /** lo > v ? lo : v, per lane: the lower half of std::clamp. */
    static Double2 atLeast (Double2 lo, Double2 x) noexcept { return _mm_max_pd (lo.v, x.v); }
    /** hi < v ? hi : v, per lane: the upper half of std::clamp. */
    static Double2 atMost (Double2 hi, Double2 x) noexcept { return _mm_min_pd (hi.v, x.v); }

    /** Per lane exactly std::clamp (x, lo, hi), signed zeros included. */
    static Double2 clamp (Double2 x, Double2 lo, Double2 hi) noexcept { return atMost (hi, atLeast (lo, x)); }

    /** All-ones lanes where the comparison holds. */
    static Double2 lessThan (Double2 a, Double2 b) noexcept { return _mm_cmplt_pd (a.v, b.v); }
    static Double2 equal (Double2 a, Double2 b) noexcept { return _mm_cmpeq_pd (a.v, b.v); }
    static Double2 atLeastZero (Double2 a) noexcept { return _mm_cmpge_pd (a.v, _mm_setzero_pd()); }

    /** mask ? a : b per lane, bit for bit. */
    static Double2 select (Double2 mask, Double2 a, Double2 b) noexcept
    {
        return _mm_or_pd (_mm_and_pd (mask.v, a.v), _mm_andnot_pd (mask.v, b.v));
    }

    /** Truncation toward zero, lanes as ints (for table indices). */
    void truncate (int& leftIndex, int& rightIndex) const noexcept
    {
        const __m128i i = _mm_cvttpd_epi32 (v);
        leftIndex = _mm_cvtsi128_si32 (i);
        rightIndex = _mm_cvtsi128_si32 (_mm_shuffle_epi32 (i, 1));
    }

    /** The truncated value back as doubles (exact for table positions). */
    static Double2 truncated (Double2 a) noexcept { return _mm_cvtepi32_pd (_mm_cvttpd_epi32 (a.v)); }
};
